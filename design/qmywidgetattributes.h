#ifndef QMYWIDGETATTRIBUTES_H
#define QMYWIDGETATTRIBUTES_H

// The one table of widget attributes, in the order of a widget's elements in the
// project file. QMyWidget makes its members, its accessors, the attribute copy and the
// keyed access from it, so a new attribute is added here and nowhere else.
//
//   POS(Name, key)              id and position; not copied by paste
//   FIXED(Name, key, default)   int that paint computes; not copied by paste
//   INT(Name, key, default)     int
//   BOOL(Name, key, default)    bool, "0"/"1" in the file
//   STR(Name, key, default)     string
//   ALIGN(Name, key)            Qt alignment flags, an index 0..2 in the file
//   COLOR(Base, Digit, key, default)
//                               QColor named Base##Digit; its four file keys are key, a
//                               component letter R/G/B/A, then Digit
//   GROUP(List, Count, First)   for each entry index 0..Count-1 in turn, the array
//                               attributes of List; their file keys carry the suffix
//                               index + First
//
// Array lists take IARR (int), CARR (colour) and SARR (string) entries:
//   IARR(Name, key, Count)

#define QMYWIDGET_NEEDLE_ATTRIBUTES(IARR, CARR, SARR)                                              \
    IARR(MeterPointPicID, "ybexItemMeterPointPicID", NeedleCount)                                  \
    IARR(MeterXPivot, "ybexItemMeterXPivot", NeedleCount)                                          \
    IARR(MeterYPivot, "ybexItemMeterYPivot", NeedleCount)                                          \
    CARR(MeterPointColor, "ybexItemMeterPointColor", NeedleCount)                                  \
    IARR(MeterPointW, "ybexItemMeterPointW", NeedleCount)                                          \
    IARR(MeterPointR, "ybexItemMeterPointR", NeedleCount)                                          \
    IARR(MeterRotation, "ybexItemMeterRotation", NeedleCount)                                      \
    IARR(MeterAngle, "ybexItemMeterAngle", NeedleCount)                                            \
    IARR(MeterMinValue, "ybexItemMeterMinValue", NeedleCount)                                      \
    IARR(MeterMaxValue, "ybexItemMeterMaxValue", NeedleCount)

#define QMYWIDGET_AXIS_ATTRIBUTES(IARR, CARR, SARR)                                                \
    IARR(ChartTickEnable, "ybexItemChartTickEnable", AxisCount)                                    \
    IARR(ChartTickLabelEnable, "ybexItemChartTickLabelEnable", AxisCount)                          \
    IARR(ChartTickMinValue, "ybexItemChartTickMinValue", AxisCount)                                \
    IARR(ChartTickMaxValue, "ybexItemChartTickMaxValue", AxisCount)                                \
    IARR(ChartTickCount, "ybexItemChartTickCount", AxisCount)                                      \
    IARR(ChartTickLength, "ybexItemChartTickLength", AxisCount)                                    \
    IARR(ChartSubTickCount, "ybexItemChartSubTickCount", AxisCount)                                \
    IARR(ChartSubTickLength, "ybexItemChartSubTickLength", AxisCount)

#define QMYWIDGET_SERIES_ATTRIBUTES(IARR, CARR, SARR)                                              \
    IARR(ChartSerLineWidth, "ybexItemChartSerLineWidth", SeriesCount)                              \
    IARR(ChartSerDotWidth, "ybexItemChartSerDotWidth", SeriesCount)                                \
    IARR(ChartSerPointCount, "ybexItemChartSerPointCount", SeriesCount)                            \
    CARR(ChartSerColor, "ybexItemChartSerColor", SeriesCount)                                      \
    SARR(ChartSerData, "ybexItemChartSerData", SeriesCount)

#define QMYWIDGET_ATTRIBUTES(POS, FIXED, INT, BOOL, STR, ALIGN, COLOR, GROUP)                      \
    /* identity and geometry */                                                                    \
    POS(Id, "id")                                                                                  \
    POS(X, "x")                                                                                    \
    POS(Y, "y")                                                                                    \
    INT(W, "w", 60)                                                                                \
    INT(H, "h", 30)                                                                                \
    FIXED(ProgX, "ybexItemProgX", 0)                                                               \
    FIXED(ProgY, "ybexItemProgY", 0)                                                               \
    FIXED(ProgW, "ybexItemProgW", 0)                                                               \
    FIXED(ProgH, "ybexItemProgH", 0)                                                               \
    /* text and font */                                                                            \
    STR(Text, "text", QString())                                                                   \
    ALIGN(HAlign, "hAlign")                                                                        \
    ALIGN(VAlign, "vAlign")                                                                        \
    INT(LongTextLen, "longTextLen", 6)                                                             \
    INT(LongTextMode, "longTextMode", 0)                                                           \
    INT(FontSize, "fontSize", 16)                                                                  \
    INT(FontID, "fontID", 0)                                                                       \
    COLOR(FontColor, , "fontColor", QColor(0, 0, 0))                                               \
    INT(FontOpa, "fontOpa", 255)                                                                   \
    /* common values */                                                                            \
    BOOL(Checkabled, "checkabled", false)                                                          \
    INT(Val, "val", 0)                                                                             \
    INT(Keyboardid, "keyboardid", 0)                                                               \
    INT(Flag, "flag", 0)                                                                           \
    /* progress bar */                                                                             \
    INT(ProgImageNum, "ybexItemProgImageNum", -1)                                                  \
    INT(ProgImageOpa, "ybexItemProgImageOpa", 255)                                                 \
    COLOR(ProgImageColor, , "ybexItemProgImageColor", QColor(160, 160, 164))                       \
    INT(ProgImageColorOpa, "ybexItemProgImageColorOpa", 0)                                         \
    INT(ProgDir, "ybexItemProgDir", 0)                                                             \
    INT(ProgValue, "ybexItemProgValue", 0)                                                         \
    INT(ProgGradMode, "ybexItemProgGradMode", 0)                                                   \
    COLOR(ProgBackground, 1, "ybexItemProgBackground", QColor(0, 0, 0))                            \
    COLOR(ProgBackground, 2, "ybexItemProgBackground", QColor(0, 0, 0))                            \
    INT(ProgOpa, "ybexItemProgOpa", 255)                                                           \
    COLOR(ProgBorderColor, , "ybexItemProgBorderColor", QColor(160, 160, 164))                     \
    INT(ProgBorderOpa, "ybexItemProgBorderOpa", 255)                                               \
    INT(ProgBorderWidth, "ybexItemProgBorderWidth", 0)                                             \
    INT(ProgRadius, "ybexItemProgRadius", 0)                                                       \
    /* arc */                                                                                      \
    INT(ArcStartValue, "ybexItemArcStartValue", 0)                                                 \
    INT(ArcEndValue, "ybexItemArcEndValue", 0)                                                     \
    INT(ArcRotation, "ybexItemArcRotation", 0)                                                     \
    COLOR(ArcBackground, 1, "ybexItemArcBackground", QColor(0, 0, 255))                            \
    INT(ArcOpa, "ybexItemArcOpa", 255)                                                             \
    INT(ArcWidth, "ybexItemArcWidth", 0)                                                           \
    INT(ArcRounded, "ybexItemArcRounded", 0)                                                       \
    COLOR(ArcSelectBackground, 1, "ybexItemArcSelectBackground", QColor(0, 255, 0))                \
    INT(ArcSelectOpa, "ybexItemArcSelectOpa", 255)                                                 \
    INT(ArcSelectWidth, "ybexItemArcSelectWidth", 0)                                               \
    INT(ArcSelectRounded, "ybexItemArcSelectRounded", 0)                                           \
    /* meter: every type starts at 0 and opaque black, so a file never holds noise */              \
    COLOR(MeterDotColor, , "ybexItemMeterDotColor", QColor(0, 0, 0))                               \
    INT(MeterDotSize, "ybexItemMeterDotSize", 0)                                                   \
    INT(MeterPointNum, "ybexItemMeterPointNum", 0)                                                 \
    GROUP(QMYWIDGET_NEEDLE_ATTRIBUTES, NeedleCount, 1)                                             \
    /* chart */                                                                                    \
    INT(ChartUpadateMode, "ybexItemChartUpadateMode", 0)                                           \
    INT(ChartTickOffset, "ybexItemChartTickOffset", 0)                                             \
    INT(ChartTickWidth, "ybexItemChartTickWidth", 0)                                               \
    COLOR(ChartTickColor, , "ybexItemChartTickColor", QColor(0, 0, 0))                             \
    INT(ChartTickLabelFontID, "ybexItemChartTickLabelFontID", 0)                                   \
    COLOR(ChartTickLabelColor, , "ybexItemChartTickLabelColor", QColor(0, 0, 0))                   \
    GROUP(QMYWIDGET_AXIS_ATTRIBUTES, AxisCount, 0)                                                 \
    INT(ChartGridEnable, "ybexItemChartGridEnable", 0)                                             \
    INT(ChartGridRow, "ybexItemChartGridRow", 0)                                                   \
    INT(ChartGridCol, "ybexItemChartGridCol", 0)                                                   \
    INT(ChartGridPadding, "ybexItemChartGridPadding", 0)                                           \
    INT(ChartGridDasLength, "ybexItemChartGridDasLength", 0)                                       \
    INT(ChartGridDasHight, "ybexItemChartGridDasHight", 0)                                         \
    INT(ChartGridDasGap, "ybexItemChartGridDasGap", 0)                                             \
    COLOR(ChartGridColor, , "ybexItemChartGridColor", QColor(0, 0, 0))                             \
    INT(ChartSerCount, "ybexItemChartSerCount", 0)                                                 \
    GROUP(QMYWIDGET_SERIES_ATTRIBUTES, SeriesCount, 0)                                             \
    /* slider knob */                                                                              \
    INT(HandleImageNum, "ybexItemHandleImageNum", -1)                                              \
    INT(HandleImageOpa, "ybexItemHandleImageOpa", 255)                                             \
    COLOR(HandleImageColor, , "ybexItemHandleImageColor", QColor(160, 160, 164))                   \
    INT(HandleImageColorOpa, "ybexItemHandleImageColorOpa", 0)                                     \
    INT(HandleDir, "ybexItemHandleDir", 0)                                                         \
    INT(HandleValue, "ybexItemHandleValue", 0)                                                     \
    INT(HandleGradMode, "ybexItemHandleGradMode", 0)                                               \
    COLOR(HandleBackground, 1, "ybexItemHandleBackground", QColor(0, 255, 0))                      \
    COLOR(HandleBackground, 2, "ybexItemHandleBackground", QColor(0, 255, 0))                      \
    INT(HandleOpa, "ybexItemHandleOpa", 255)                                                       \
    COLOR(HandleBorderColor, , "ybexItemHandleBorderColor", QColor(160, 160, 164))                 \
    INT(HandleBorderOpa, "ybexItemHandleBorderOpa", 255)                                           \
    INT(HandleBorderWidth, "ybexItemHandleBorderWidth", 0)                                         \
    INT(HandleKnob, "ybexItemHandleKnob", 0)                                                       \
    INT(HandleRadius, "ybexItemHandleRadius", 0)                                                   \
    /* background (released look) */                                                               \
    INT(ImageNum, "imageNum", -1)                                                                  \
    INT(ImageOpa, "ybexItemImageOpa", 255)                                                         \
    COLOR(ImageColor, , "ybexItemImageColor", QColor(200, 200, 200))                               \
    INT(ImageColorOpa, "ybexItemImageColorOpa", 0)                                                 \
    INT(GradMode, "ybexItemGradMode", 0)                                                           \
    COLOR(Background, 1, "ybexItemBackground", QColor(200, 200, 200))                              \
    COLOR(Background, 2, "ybexItemBackground", QColor(0, 0, 0))                                    \
    INT(Opa, "ybexItemOpa", 255)                                                                   \
    INT(Radius, "ybexItemRadius", 0)                                                               \
    COLOR(BorderColor, , "ybexItemBorderColor", QColor(160, 160, 164))                             \
    INT(BorderOpa, "ybexItemBorderOpa", 255)                                                       \
    INT(BorderWidth, "ybexItemBorderWidth", 0)                                                     \
    /* selected look */                                                                            \
    INT(SelectImageNum, "ybexItemSelectImageNum", -1)                                              \
    INT(SelectImageOpa, "ybexItemSelectImageOpa", 255)                                             \
    COLOR(SelectImageColor, , "ybexItemSelectImageColor", QColor(200, 200, 200))                   \
    INT(SelectImageColorOpa, "ybexItemSelectImageColorOpa", 0)                                     \
    INT(SelectGradMode, "ybexItemSelectGradMode", 0)                                               \
    COLOR(SelectBackground, 1, "ybexItemSelectBackground", QColor(200, 200, 200))                  \
    COLOR(SelectBackground, 2, "ybexItemSelectBackground", QColor(0, 0, 0))                        \
    INT(SelectOpa, "ybexItemSelectOpa", 255)                                                       \
    INT(SelectRadius, "ybexItemSelectRadius", 0)                                                   \
    COLOR(SelectBorderColor, , "ybexItemSelectBorderColor", QColor(160, 160, 164))                 \
    INT(SelectBorderOpa, "ybexItemSelectBorderOpa", 255)                                           \
    INT(SelectBorderWidth, "ybexItemSelectBorderWidth", 0)                                         \
    /* pressed look */                                                                             \
    INT(PressImageNum, "pressImageNum", -1)                                                        \
    INT(PressImageOpa, "ybexItemPressImageOpa", 255)                                               \
    COLOR(PressImageColor, , "ybexItemPressImageColor", QColor(200, 200, 200))                     \
    INT(PressImageColorOpa, "ybexItemPressImageColorOpa", 0)                                       \
    INT(PressGradMode, "ybexItemPressGradMode", 0)                                                 \
    COLOR(PressBackground, 1, "ybexItemPressBackground", QColor(200, 200, 200))                    \
    COLOR(PressBackground, 2, "ybexItemPressBackground", QColor(0, 0, 0))                          \
    INT(PressOpa, "ybexItemPressOpa", 255)                                                         \
    INT(PressRadius, "ybexItemPressRadius", 0)                                                     \
    COLOR(PressBorderColor, , "ybexItemPressBorderColor", QColor(160, 160, 164))                   \
    INT(PressBorderOpa, "ybexItemPressBorderOpa", 255)                                             \
    INT(PressBorderWidth, "ybexItemPressBorderWidth", 0)                                           \
    /* text-box cursor and modes */                                                                \
    COLOR(CurrorColor, , "ybexItemCurrorColor", QColor(0, 0, 0))                                   \
    INT(CurrorOpa, "ybexItemCurrorOpa", 255)                                                       \
    COLOR(CurrorTextColor, , "ybexItemCurrorTextColor", QColor(255, 255, 255))                     \
    INT(CurrorTextOpa, "ybexItemCurrorTextOpa", 255)                                               \
    INT(LineMode, "ybexItemLineMode", 1)                                                           \
    INT(SignalMode, "ybexItemSignalMode", 0)                                                       \
    INT(PasswordMode, "ybexItemPasswordMode", 0)                                                   \
    /* load animation */                                                                           \
    INT(AnimEnabled, "ybexItemAnimEnabled", 0)                                                     \
    INT(AnimMode, "ybexItemAnimMode", 0)                                                           \
    INT(AnimDir, "ybexItemAnimDir", 0)                                                             \
    INT(AnimTime, "ybexItemAnimTime", 0)                                                           \
    INT(AnimX, "ybexItemAnimX", 0)                                                                 \
    INT(AnimY, "ybexItemAnimY", 0)

#endif // QMYWIDGETATTRIBUTES_H
