#ifndef BOOTPARAM_H
#define BOOTPARAM_H

// The twenty settings the module applies at power-on.
class BootParam
{
public:
    BootParam();

    void reset();

    bool getAnimFlag() const { return bootAnimFlag; }
    void setAnimFlag(bool value) { bootAnimFlag = value; }
    int getJumpPage() const { return bootJumpPage; }
    void setJumpPage(int value) { bootJumpPage = value; }
    int getJumpTime() const { return bootJumpTime; }
    void setJumpTime(int value) { bootJumpTime = value; }
    int getAnimImgID() const { return bootAnimImgID; }
    void setAnimImgID(int value) { bootAnimImgID = value; }
    int getAnimStartID() const { return bootAnimStartID; }
    void setAnimStartID(int value) { bootAnimStartID = value; }
    int getAnimEndID() const { return bootAnimEndID; }
    void setAnimEndID(int value) { bootAnimEndID = value; }
    int getAnimTime() const { return bootAnimTime; }
    void setAnimTime(int value) { bootAnimTime = value; }
    bool getAnimCycleFlag() const { return bootAnimCycleFlag; }
    void setAnimCycleFlag(bool value) { bootAnimCycleFlag = value; }
    int getAnimCount() const { return bootAnimCount; }
    void setAnimCount(int value) { bootAnimCount = value; }
    int getAnimCurrentPage() const { return bootAnimCurrentPage; }
    void setAnimCurrentPage(int value) { bootAnimCurrentPage = value; }
    int getAnimJumpPage() const { return bootAnimJumpPage; }
    void setAnimJumpPage(int value) { bootAnimJumpPage = value; }
    int getSleepTime() const { return bootSleepTime; }
    void setSleepTime(int value) { bootSleepTime = value; }
    int getSleepBl() const { return bootSleepBl; }
    void setSleepBl(int value) { bootSleepBl = value; }
    bool get485Flag() const { return boot485Flag; }
    void set485Flag(bool value) { boot485Flag = value; }
    int get485Addr() const { return boot485Addr; }
    void set485Addr(int value) { boot485Addr = value; }
    bool getCRC16Flag() const { return bootCRC16Flag; }
    void setCRC16Flag(bool value) { bootCRC16Flag = value; }
    bool getPosFlag() const { return bootPosFlag; }
    void setPosFlag(bool value) { bootPosFlag = value; }
    int getBaud() const { return bootBaud; }
    void setBaud(int value) { bootBaud = value; }
    int getBl() const { return bootBl; }
    void setBl(int value) { bootBl = value; }
    int getBuzzerTime() const { return bootBuzzerTime; }
    void setBuzzerTime(int value) { bootBuzzerTime = value; }

private:
    bool bootAnimFlag;
    int bootJumpPage;
    int bootJumpTime;
    int bootAnimImgID;
    int bootAnimStartID;
    int bootAnimEndID;
    int bootAnimTime;
    bool bootAnimCycleFlag;
    int bootAnimCount;
    int bootAnimCurrentPage;
    int bootAnimJumpPage;
    int bootSleepTime;
    int bootSleepBl;
    bool boot485Flag;
    int boot485Addr;
    bool bootCRC16Flag;
    bool bootPosFlag;
    int bootBaud;
    int bootBl;
    int bootBuzzerTime;
};

#endif // BOOTPARAM_H
