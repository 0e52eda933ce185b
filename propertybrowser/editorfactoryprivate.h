#ifndef EDITORFACTORYPRIVATE_H
#define EDITORFACTORYPRIVATE_H

#include <QList>
#include <QMap>

class QObject;
class QtProperty;

// The open editors of one factory: which editors show a property, and the reverse.
template<class Editor> class EditorFactoryPrivate
{
public:
    using EditorList = QList<Editor *>;

    void initializeEditor(QtProperty *property, Editor *editor)
    {
        editorsOfProperty[property].append(editor);
        propertyOfEditor[editor] = property;
    }

    void slotEditorDestroyed(QObject *object)
    {
        // The editor is half destroyed: compare addresses only.
        for (auto it = propertyOfEditor.begin(); it != propertyOfEditor.end(); ++it) {
            if (static_cast<const void *>(it.key()) != static_cast<const void *>(object))
                continue;
            Editor *editor = it.key();
            QtProperty *property = it.value();
            auto pit = editorsOfProperty.find(property);
            if (pit != editorsOfProperty.end()) {
                pit.value().removeAll(editor);
                if (pit.value().isEmpty())
                    editorsOfProperty.erase(pit);
            }
            propertyOfEditor.erase(it);
            return;
        }
    }

    // The property the sending editor shows, or null for a sender that is not open here.
    QtProperty *propertyOfSender(QObject *sender) const
    {
        for (auto it = propertyOfEditor.cbegin(); it != propertyOfEditor.cend(); ++it) {
            if (static_cast<const void *>(it.key()) == static_cast<const void *>(sender))
                return it.value();
        }
        return nullptr;
    }

    // Calls update for every open editor of the property with the editor's signals
    // blocked, so that the change is not written back.
    template<class Update> void updateEditors(QtProperty *property, Update update) const
    {
        const EditorList editors = editorsOfProperty.value(property);
        for (Editor *editor : editors) {
            const bool blocked = editor->blockSignals(true);
            update(editor);
            editor->blockSignals(blocked);
        }
    }

    QMap<QtProperty *, EditorList> editorsOfProperty;
    QMap<Editor *, QtProperty *> propertyOfEditor;
};

#endif // EDITORFACTORYPRIVATE_H
