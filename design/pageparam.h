#ifndef PAGEPARAM_H
#define PAGEPARAM_H

#include "recordeventowner.h"

#include <QColor>
#include <QString>

// What a page is apart from its widgets: background, help lines, load animation, name,
// events and event slots.
class PageParam : public RecordEventOwner
{
public:
    PageParam();

    void reset();

    int pageImageNum() const { return m_pageImageNum; }
    void setPageImageNum(int value) { m_pageImageNum = value; }
    int pageGradDir() const { return m_pageGradDir; }
    void setPageGradDir(int value) { m_pageGradDir = value; }

    QColor pageColorGrad1() const { return m_pageColorGrad1; }
    void setPageColorGrad1(const QColor &color) { m_pageColorGrad1 = color; }
    int pageColorGrad1R() const { return m_pageColorGrad1.red(); }
    int pageColorGrad1G() const { return m_pageColorGrad1.green(); }
    int pageColorGrad1B() const { return m_pageColorGrad1.blue(); }
    int pageColorGrad1A() const { return m_pageColorGrad1.alpha(); }
    void setPageColorGrad1R(int value);
    void setPageColorGrad1G(int value);
    void setPageColorGrad1B(int value);
    void setPageColorGrad1A(int value);

    QColor pageColorGrad2() const { return m_pageColorGrad2; }
    void setPageColorGrad2(const QColor &color) { m_pageColorGrad2 = color; }
    int pageColorGrad2R() const { return m_pageColorGrad2.red(); }
    int pageColorGrad2G() const { return m_pageColorGrad2.green(); }
    int pageColorGrad2B() const { return m_pageColorGrad2.blue(); }
    int pageColorGrad2A() const { return m_pageColorGrad2.alpha(); }
    void setPageColorGrad2R(int value);
    void setPageColorGrad2G(int value);
    void setPageColorGrad2B(int value);
    void setPageColorGrad2A(int value);

    int pageOpa() const { return m_pageOpa; }
    void setPageOpa(int value) { m_pageOpa = value; }
    int pageRadius() const { return m_pageRadius; }
    void setPageRadius(int value) { m_pageRadius = value; }
    int pageFlag() const { return m_pageFlag; }
    void setPageFlag(int value) { m_pageFlag = value; }
    int pageState() const { return m_pageState; }
    void setPageState(int value) { m_pageState = value; }
    int pageHelpLineType() const { return m_pageHelpLineType; }
    void setPageHelpLineType(int value) { m_pageHelpLineType = value; }
    int pageHelpLineLeft() const { return m_pageHelpLineLeft; }
    void setPageHelpLineLeft(int value) { m_pageHelpLineLeft = value; }
    int pageHelpLineRight() const { return m_pageHelpLineRight; }
    void setPageHelpLineRight(int value) { m_pageHelpLineRight = value; }
    int pageHelpLineTop() const { return m_pageHelpLineTop; }
    void setPageHelpLineTop(int value) { m_pageHelpLineTop = value; }
    int pageHelpLineBottom() const { return m_pageHelpLineBottom; }
    void setPageHelpLineBottom(int value) { m_pageHelpLineBottom = value; }
    int pageAnimEnabled() const { return m_pageAnimEnabled; }
    void setPageAnimEnabled(int value) { m_pageAnimEnabled = value; }
    int pageAnimMode() const { return m_pageAnimMode; }
    void setPageAnimMode(int value) { m_pageAnimMode = value; }
    int pageAnimDir() const { return m_pageAnimDir; }
    void setPageAnimDir(int value) { m_pageAnimDir = value; }
    int pageAnimTime() const { return m_pageAnimTime; }
    void setPageAnimTime(int value) { m_pageAnimTime = value; }
    int pageAnimX() const { return m_pageAnimX; }
    void setPageAnimX(int value) { m_pageAnimX = value; }
    int pageAnimY() const { return m_pageAnimY; }
    void setPageAnimY(int value) { m_pageAnimY = value; }
    QString pageName() const { return m_pageName; }
    void setPageName(const QString &name) { m_pageName = name; }

private:
    int m_pageImageNum;
    int m_pageGradDir;
    QColor m_pageColorGrad1;
    QColor m_pageColorGrad2;
    int m_pageOpa;
    int m_pageRadius;
    int m_pageFlag;
    int m_pageState;
    int m_pageHelpLineType;
    int m_pageHelpLineLeft;
    int m_pageHelpLineRight;
    int m_pageHelpLineTop;
    int m_pageHelpLineBottom;
    int m_pageAnimEnabled;
    int m_pageAnimMode;
    int m_pageAnimDir;
    int m_pageAnimTime;
    int m_pageAnimX;
    int m_pageAnimY;
    QString m_pageName;
};

#endif // PAGEPARAM_H
