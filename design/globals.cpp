#include "globals.h"

QStringList resolutionList = {
    "128*128(SQQVGA)", "128*160(QQVGA)", "176*220(QCIF1)",  "170*320(QCIF2)",  "240*320(QVGA1)",
    "240*240(QVGA2)",  "268*800(WVGA4)", "320*240(QVGA3)",  "240*376(WQVGA1)", "240*400(WQVGA2)",
    "240*480(WQVGA3)", "320*480(HVGA)",  "480*272(HHVGA)",  "800*480(WVGA1)",  "480*800(WVGA2)",
    "480*854(WVGA3)",  "640*480(VGA)",   "1024*600(WSVGA)",
};

QColor colorTable[64];
