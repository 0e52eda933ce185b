#ifndef QTUSERTYPETWO_COLORFACTORY_H
#define QTUSERTYPETWO_COLORFACTORY_H

#include "qtabstracteditorfactory.h"
#include "qtusertypetwo_colormanager.h"

class QtUserTypeTwo_ColorWidget;
template<class Editor> class EditorFactoryPrivate;

// Editors for the rows of QtUserTypeTwo_ColorManager.
class QtUserTypeTwo_ColorFactory : public QtAbstractEditorFactory<QtUserTypeTwo_ColorManager>
{
    Q_OBJECT
public:
    explicit QtUserTypeTwo_ColorFactory(QObject *parent = nullptr);
    ~QtUserTypeTwo_ColorFactory() override;

protected:
    void connectPropertyManager(QtUserTypeTwo_ColorManager *manager) override;
    QWidget *createEditor(QtUserTypeTwo_ColorManager *manager, QtProperty *property,
                          QWidget *parent) override;
    void disconnectPropertyManager(QtUserTypeTwo_ColorManager *manager) override;

private slots:
    void slotPropertyChanged(QtProperty *property, const QString &value);
    void slotEditorDestroyed(QObject *object);
    void slotSetValue(const QString &value);

private:
    EditorFactoryPrivate<QtUserTypeTwo_ColorWidget> *d_ptr;
};

#endif // QTUSERTYPETWO_COLORFACTORY_H
