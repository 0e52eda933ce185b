#ifndef QTUSERTYPEONE_IMAGEFACTORY_H
#define QTUSERTYPEONE_IMAGEFACTORY_H

#include "qtabstracteditorfactory.h"
#include "qtusertypeone_imagemanager.h"

class QtUserTypeOne_ImageWidget;
template<class Editor> class EditorFactoryPrivate;

// Editors for the rows of QtUserTypeOne_ImageManager.
class QtUserTypeOne_ImageFactory : public QtAbstractEditorFactory<QtUserTypeOne_ImageManager>
{
    Q_OBJECT
public:
    explicit QtUserTypeOne_ImageFactory(QObject *parent = nullptr);
    ~QtUserTypeOne_ImageFactory() override;

protected:
    void connectPropertyManager(QtUserTypeOne_ImageManager *manager) override;
    QWidget *createEditor(QtUserTypeOne_ImageManager *manager, QtProperty *property,
                          QWidget *parent) override;
    void disconnectPropertyManager(QtUserTypeOne_ImageManager *manager) override;

private slots:
    void slotPropertyChanged(QtProperty *property, const QString &value);
    void slotEditorDestroyed(QObject *object);
    void slotSetValue(const QString &value);

private:
    EditorFactoryPrivate<QtUserTypeOne_ImageWidget> *d_ptr;
};

#endif // QTUSERTYPEONE_IMAGEFACTORY_H
