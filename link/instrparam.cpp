#include "instrparam.h"

void InstrParam::reset()
{
    m_maxPage = 0;
    m_maxWidgets = 0;
    m_maxPics = 0;
    m_maxCommTimers = 0;
    m_maxFonts = 0;
    m_maxSers = 0;
    m_maxPathSize = 0;
    m_defaultMaxStrSize = 0;
    m_leftMem = 0;
    m_leftFlash = 0;
    m_bps = 0;
    m_col = 0;
    m_row = 0;
    m_bl = 0;
    m_dir = 0;
}
