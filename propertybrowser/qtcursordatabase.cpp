#include "qtcursordatabase.h"

namespace {
QIcon cursorIcon(const char *shape)
{
    return QIcon(
        QStringLiteral(":/qtpropertybrowser/images/cursor-%1.png").arg(QLatin1String(shape)));
}
} // namespace

QtCursorDatabase::QtCursorDatabase()
{
    appendCursor(Qt::ArrowCursor, tr("Arrow"), cursorIcon("arrow"));
    appendCursor(Qt::UpArrowCursor, tr("Up Arrow"), cursorIcon("uparrow"));
    appendCursor(Qt::CrossCursor, tr("Cross"), cursorIcon("cross"));
    appendCursor(Qt::WaitCursor, tr("Wait"), cursorIcon("wait"));
    appendCursor(Qt::IBeamCursor, tr("IBeam"), cursorIcon("ibeam"));
    appendCursor(Qt::SizeVerCursor, tr("Size Vertical"), cursorIcon("sizev"));
    appendCursor(Qt::SizeHorCursor, tr("Size Horizontal"), cursorIcon("sizeh"));
    appendCursor(Qt::SizeFDiagCursor, tr("Size Backslash"), cursorIcon("sizef"));
    appendCursor(Qt::SizeBDiagCursor, tr("Size Slash"), cursorIcon("sizeb"));
    appendCursor(Qt::SizeAllCursor, tr("Size All"), cursorIcon("sizeall"));
    appendCursor(Qt::BlankCursor, tr("Blank"), QIcon());
    appendCursor(Qt::SplitVCursor, tr("Split Vertical"), cursorIcon("vsplit"));
    appendCursor(Qt::SplitHCursor, tr("Split Horizontal"), cursorIcon("hsplit"));
    appendCursor(Qt::PointingHandCursor, tr("Pointing Hand"), cursorIcon("hand"));
    appendCursor(Qt::ForbiddenCursor, tr("Forbidden"), cursorIcon("forbidden"));
    appendCursor(Qt::OpenHandCursor, tr("Open Hand"), cursorIcon("openhand"));
    appendCursor(Qt::ClosedHandCursor, tr("Closed Hand"), cursorIcon("closedhand"));
    appendCursor(Qt::WhatsThisCursor, tr("What's This"), cursorIcon("whatsthis"));
    appendCursor(Qt::BusyCursor, tr("Busy"), cursorIcon("busy"));
}

void QtCursorDatabase::appendCursor(Qt::CursorShape shape, const QString &name, const QIcon &icon)
{
    if (m_cursorShapeToValue.contains(shape))
        return;
    const int value = m_cursorNames.count();
    m_cursorNames.append(name);
    m_cursorIcons.insert(value, icon);
    m_valueToCursorShape.insert(value, shape);
    m_cursorShapeToValue.insert(shape, value);
}

QString QtCursorDatabase::cursorToShapeName(const QCursor &cursor) const
{
    const int value = cursorToValue(cursor);
    return value < 0 ? QString() : m_cursorNames.at(value);
}

QIcon QtCursorDatabase::cursorToShapeIcon(const QCursor &cursor) const
{
    return m_cursorIcons.value(cursorToValue(cursor));
}

int QtCursorDatabase::cursorToValue(const QCursor &cursor) const
{
    return m_cursorShapeToValue.value(cursor.shape(), -1);
}

QCursor QtCursorDatabase::valueToCursor(int value) const
{
    return QCursor(m_valueToCursorShape.value(value, Qt::ArrowCursor));
}
