#include "designdocument.h"

DesignDocument::DesignDocument(QObject *parent)
    : QObject(parent)
{ }

DesignDocument &DesignDocument::program()
{
    static DesignDocument document;
    return document;
}
