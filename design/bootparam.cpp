#include "bootparam.h"

BootParam::BootParam()
{
    reset();
}

void BootParam::reset()
{
    bootAnimFlag = false;
    bootJumpPage = 0;
    bootJumpTime = 0;
    bootAnimImgID = 0;
    bootAnimStartID = 0;
    bootAnimEndID = 0;
    bootAnimTime = 0;
    bootAnimCycleFlag = false;
    bootAnimCount = 1;
    bootAnimCurrentPage = 0;
    bootAnimJumpPage = 0;
    bootSleepTime = 0;
    bootSleepBl = 0;
    boot485Flag = false;
    boot485Addr = 0;
    bootCRC16Flag = false;
    bootPosFlag = false;
    bootBaud = 115200;
    bootBl = 100;
    bootBuzzerTime = 0;
}
