#ifndef INSTRPARAM_H
#define INSTRPARAM_H

#include <QMetaType>
#include <QtGlobal>

// The module's limits and state from its system-information reply.
class InstrParam
{
public:
    InstrParam() { reset(); }
    void reset();

    int getMaxPage() const { return m_maxPage; }
    void setMaxPage(int value) { m_maxPage = value; }
    int getMaxWidgets() const { return m_maxWidgets; }
    void setMaxWidgets(int value) { m_maxWidgets = value; }
    int getMaxPics() const { return m_maxPics; }
    void setMaxPics(int value) { m_maxPics = value; }
    int getMaxCommTimers() const { return m_maxCommTimers; }
    void setMaxCommTimers(int value) { m_maxCommTimers = value; }
    int getMaxFonts() const { return m_maxFonts; }
    void setMaxFonts(int value) { m_maxFonts = value; }
    int getMaxSers() const { return m_maxSers; }
    void setMaxSers(int value) { m_maxSers = value; }
    int getMaxPathSize() const { return m_maxPathSize; }
    void setMaxPathSize(int value) { m_maxPathSize = value; }
    int getDefaultMaxStrSize() const { return m_defaultMaxStrSize; }
    void setDefaultMaxStrSize(int value) { m_defaultMaxStrSize = value; }
    qint64 getLeftMem() const { return m_leftMem; }
    void setLeftMem(int value) { m_leftMem = value; }
    qint64 getLeftFlash() const { return m_leftFlash; }
    void setLeftFlash(int value) { m_leftFlash = value; }
    int getBps() const { return m_bps; }
    void setBps(int value) { m_bps = value; }
    int getCol() const { return m_col; }
    void setCol(int value) { m_col = value; }
    int getRow() const { return m_row; }
    void setRow(int value) { m_row = value; }
    int getBl() const { return m_bl; }
    void setBl(int value) { m_bl = value; }
    int getDir() const { return m_dir; }
    void setDir(int value) { m_dir = value; }

private:
    int m_maxPage = 0;
    int m_maxWidgets = 0;
    int m_maxPics = 0;
    int m_maxCommTimers = 0;
    int m_maxFonts = 0;
    int m_maxSers = 0;
    int m_maxPathSize = 0;
    int m_defaultMaxStrSize = 0;
    qint64 m_leftMem = 0;
    qint64 m_leftFlash = 0;
    int m_bps = 0;
    int m_col = 0;
    int m_row = 0;
    int m_bl = 0;
    int m_dir = 0;
};

Q_DECLARE_METATYPE(InstrParam)

#endif // INSTRPARAM_H
