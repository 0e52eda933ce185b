#ifndef QTCURSORDATABASE_H
#define QTCURSORDATABASE_H

#include <QCoreApplication>
#include <QCursor>
#include <QIcon>
#include <QMap>
#include <QStringList>

// The mouse-cursor shapes a cursor row can take, with their names and pictures; a value is
// the position of a shape in the list a cursor editor offers.
class QtCursorDatabase
{
    Q_DECLARE_TR_FUNCTIONS(QtCursorDatabase)
public:
    QtCursorDatabase();

    QStringList cursorShapeNames() const { return m_cursorNames; }
    QMap<int, QIcon> cursorShapeIcons() const { return m_cursorIcons; }
    QString cursorToShapeName(const QCursor &cursor) const;
    QIcon cursorToShapeIcon(const QCursor &cursor) const;
    int cursorToValue(const QCursor &cursor) const;
    QCursor valueToCursor(int value) const;

private:
    void appendCursor(Qt::CursorShape shape, const QString &name, const QIcon &icon);

    QStringList m_cursorNames;
    QMap<int, QIcon> m_cursorIcons;
    QMap<int, Qt::CursorShape> m_valueToCursorShape;
    QMap<Qt::CursorShape, int> m_cursorShapeToValue;
};

#endif // QTCURSORDATABASE_H
