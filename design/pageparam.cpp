#include "pageparam.h"

#include "colorcomponent.h"

PageParam::PageParam()
{
    reset();
}

void PageParam::reset()
{
    m_pageImageNum = -1;
    m_pageGradDir = 0;
    m_pageColorGrad1 = QColor(255, 255, 255, 255);
    m_pageColorGrad2 = QColor(0, 0, 0, 255);
    m_pageOpa = 255;
    m_pageRadius = 0;
    m_pageFlag = 0;
    m_pageState = 0;
    m_pageHelpLineType = 0;
    m_pageHelpLineLeft = 0;
    m_pageHelpLineRight = 0;
    m_pageHelpLineTop = 0;
    m_pageHelpLineBottom = 0;
    m_pageAnimEnabled = 0;
    m_pageAnimMode = 0;
    m_pageAnimDir = 0;
    m_pageAnimTime = 0;
    m_pageAnimX = 0;
    m_pageAnimY = 0;
    m_pageName.clear();
    m_events.reset();
}

void PageParam::setPageColorGrad1R(int value)
{
    ColorComponent::set(m_pageColorGrad1, ColorComponent::Red, value);
}

void PageParam::setPageColorGrad1G(int value)
{
    ColorComponent::set(m_pageColorGrad1, ColorComponent::Green, value);
}

void PageParam::setPageColorGrad1B(int value)
{
    ColorComponent::set(m_pageColorGrad1, ColorComponent::Blue, value);
}

void PageParam::setPageColorGrad1A(int value)
{
    ColorComponent::set(m_pageColorGrad1, ColorComponent::Alpha, value);
}

void PageParam::setPageColorGrad2R(int value)
{
    ColorComponent::set(m_pageColorGrad2, ColorComponent::Red, value);
}

void PageParam::setPageColorGrad2G(int value)
{
    ColorComponent::set(m_pageColorGrad2, ColorComponent::Green, value);
}

void PageParam::setPageColorGrad2B(int value)
{
    ColorComponent::set(m_pageColorGrad2, ColorComponent::Blue, value);
}

void PageParam::setPageColorGrad2A(int value)
{
    ColorComponent::set(m_pageColorGrad2, ColorComponent::Alpha, value);
}
