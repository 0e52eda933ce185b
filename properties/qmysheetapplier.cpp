#include "qmysheetapplier.h"

#include "attributelimits.h"
#include "colorcomponent.h"
#include "designdocument.h"
#include "designglobals.h"
#include "eventholder.h"
#include "pageparam.h"
#include "projectfolder.h"
#include "qmyframe.h"
#include "qmymessagebox.h"
#include "qmypropertysheet.h"
#include "qmywidget.h"
#include "sheetrules.h"
#include "sheettables.h"
#include "sheetvalues.h"
#include "timerparam.h"

#include <QCoreApplication>
#include <QSettings>

#include <cmath>

namespace {

const QString keyX = QStringLiteral("x");
const QString keyY = QStringLiteral("y");
const QString keyW = QStringLiteral("w");
const QString keyH = QStringLiteral("h");

// A switch row reports a bool; the attribute counts any value but 0 as on.
bool sameValue(const QVariant &value, int stored)
{
    if (value.type() == QVariant::Bool)
        return value.toBool() == (stored != 0);
    return value.toInt() == stored;
}

QColor withAlpha(QColor color, int alpha)
{
    ColorComponent::set(color, ColorComponent::Alpha, alpha);
    return color;
}

// The characters the widget's generated font holds beyond ASCII; empty without a file.
bool fontSymbols(const DesignDocument &design, int fontId, QString *symbols)
{
    for (const QString &entry : design.fontIds()) {
        if (entry.toInt() != fontId)
            continue;
        const QString path = ProjectFolder::folderOf(design.projectPath())
            + QStringLiteral("/tempFonts/") + entry + QStringLiteral(".ini");
        QSettings settings(path, QSettings::IniFormat);
        settings.setIniCodec("UTF-8");
        *symbols = settings.value(QStringLiteral("FontParam/fontText")).toString();
        return true;
    }
    return false;
}

} // namespace

QMySheetApplier::QMySheetApplier(QMyPropertySheet *sheet, QMyFrame *canvas,
                                 QMyMessageBox *questionBox, DesignDocument *design)
    : sheet(sheet)
    , canvas(canvas)
    , design(design)
    , questionBox(questionBox)
{ }

// ---- Value rows -------------------------------------------------------------------------

QMySheetApplier::Effect QMySheetApplier::applyValue(QtProperty *row, const QVariant &value,
                                                    const Target &target)
{
    const QString key = sheet->keyOf(row);
    if (key.isEmpty() || sheet->isBeingShown(row))
        return {};
    switch (target.kind) {
    case SelectionKind::Page:
        if (target.page)
            applyPageValue(target.page, key, value);
        return {};
    case SelectionKind::Widget:
        // While the widget is dragged the canvas writes its geometry into the rows.
        if (!target.widget || target.widget->getIsDragging())
            return {};
        return applyWidgetValue(target.widget, key, value);
    case SelectionKind::Timer:
        if (target.timer)
            return applyTimerValue(target.timer, target.timerIndex, key, value);
        return {};
    case SelectionKind::None:
        break;
    }
    return {};
}

bool QMySheetApplier::limited(const QString &key, int value)
{
    int min = 0;
    int max = 0;
    if (!AttributeLimits::valueRange(key, &min, &max) || (value >= min && value <= max))
        return false;
    // The row takes the bound, whose report applies it.
    sheet->setValue(key, qBound(min, value, max));
    return true;
}

QMySheetApplier::Effect QMySheetApplier::applyWidgetValue(QMyWidget *w, const QString &key,
                                                          const QVariant &value)
{
    Effect effect;
    if (key == keyX || key == keyY || key == keyW || key == keyH) {
        applyGeometry(w, key, value.toInt());
        return effect;
    }
    if (key == QLatin1String("text")) {
        applyText(w, value.toString());
        return effect;
    }
    if (key.startsWith(QLatin1String("Event_"))) {
        if (applyEventParameter(w->eventHolder(), QStringLiteral("Event_Wnd"), key,
                                value.toString()))
            w->update();
        return effect;
    }
    if (key == QLatin1String("checkabled")) {
        if (value.toBool() == w->getCheckabled())
            return effect;
        w->setCheckabled(value.toBool());
        // A button shows its selected or its pressed look by this switch.
        effect.rebuildWidgetSheet = w->getType() == WidgetType::Btn;
        w->update();
        return effect;
    }
    if (applyMeter(w, key, value) || applyChart(w, key, value))
        return effect;

    bool isColor = false;
    const QColor stored = w->colorValue(key, &isColor);
    if (isColor) {
        const QColor color = value.value<QColor>();
        if (color == stored)
            return effect;
        w->setColorValue(key, color);
        // The colour keeps the alpha of its opacity, whatever the editor gave, and the row
        // shows it so.
        const QString opacity = AttributeLimits::opacityOfColor(key);
        if (!opacity.isEmpty()) {
            w->setColorValue(key, withAlpha(color, w->intValue(opacity)));
            sheet->setValue(key, w->colorValue(key));
        }
        w->update();
        return effect;
    }

    const int v = value.toInt();
    if (limited(key, v))
        return effect;
    bool known = false;
    if (sameValue(value, w->intValue(key, &known)) || !known)
        return effect;
    AttributeLimits::setInt(*w, key, v);
    // The colours took the opacity as their alpha; their rows show it.
    for (const QString &color : AttributeLimits::colorsOfOpacity(key))
        sheet->setValue(color, w->colorValue(color));
    w->update();
    return effect;
}

void QMySheetApplier::applyGeometry(QMyWidget *w, const QString &key, int value)
{
    const bool square = SheetRules::keepsSquare(w->getType());
    if (key == keyX) {
        if (value == w->getX())
            return;
        w->setX(SheetRules::limitPosition(value, w->getW(), canvas->pageSize().width()));
    } else if (key == keyY) {
        if (value == w->getY())
            return;
        w->setY(SheetRules::limitPosition(value, w->getH(), canvas->pageSize().height()));
    } else if (key == keyW) {
        if (value == w->getW())
            return;
        const int width = SheetRules::limitExtent(value, w->getX(), canvas->pageSize().width());
        w->setW(width);
        if (square)
            w->setH(width);
    } else {
        if (value == w->getH())
            return;
        const int height = SheetRules::limitExtent(value, w->getY(), canvas->pageSize().height());
        w->setH(height);
        if (square)
            w->setW(height);
    }
    // The rows show what the widget took, limits and square sides included, as its next
    // paint leaves it; their reports find nothing more to change.
    w->refreshComputedValues();
    sheet->followWidget(*w);
    w->update();
}

void QMySheetApplier::applyText(QMyWidget *w, const QString &typed)
{
    if (typed == w->getText())
        return;
    QString text = typed;
    QString symbols;
    // The QR code draws its own pattern; every other text is drawn with the widget's font,
    // which holds printable ASCII and the characters it was generated with.
    QStringList dropped;
    if (w->getType() != WidgetType::QRCode && fontSymbols(*design, w->getFontID(), &symbols)) {
        text = SheetRules::filterText(text, symbols);
        dropped = SheetRules::droppedCharacters(typed, symbols);
    }
    sheet->setValue(QStringLiteral("text"), text);
    w->setText(text);
    const int length = SheetRules::utf8Length(text);
    if (length > w->getLongTextLen()) {
        const int kept = qMin(length, 65535);
        w->setLongTextLen(kept);
        sheet->setValue(QStringLiteral("longTextLen"), kept);
    }
    w->update();
    if (!dropped.isEmpty())
        questionBox->showNotice(
            QMyMessageBox::Information,
            QCoreApplication::translate("MainWindow", "字体%1中没有以下字符，已从文本中删除：%2")
                .arg(w->getFontID())
                .arg(dropped.join(QLatin1Char(' '))));
}

bool QMySheetApplier::applyMeter(QMyWidget *w, const QString &key, const QVariant &value)
{
    static const char *const bases[] = {
        "ybexItemMeterRotation",   "ybexItemMeterAngle",  "ybexItemMeterMinValue",
        "ybexItemMeterMaxValue",   "ybexItemMeterXPivot", "ybexItemMeterYPivot",
        "ybexItemMeterPointColor", "ybexItemMeterPointW", "ybexItemMeterPointR"};
    const char *base = nullptr;
    for (const char *b : bases) {
        if (key.startsWith(QLatin1String(b)))
            base = b;
    }
    if (!base)
        return false;
    int needle = 0;
    if (!SheetRules::indexOf(key, QLatin1String(base), &needle) || needle < 1 || needle > 3)
        return true;
    const int i = needle - 1;
    if (value.type() == QVariant::Color) {
        const QColor color = value.value<QColor>();
        if (color != w->getMeterPointColor(i)) {
            w->setMeterPointColor(i, color);
            w->update();
        }
        return true;
    }
    const int typed = value.toInt();
    if (typed == w->intValue(key))
        return true;
    int v = typed;
    const QLatin1String name(base);
    if (name == QLatin1String("ybexItemMeterRotation"))
        v = SheetRules::meterRotation(typed, w->getMeterMinValue(i), w->getMeterMaxValue(i));
    else if (name == QLatin1String("ybexItemMeterAngle"))
        v = qBound(0, typed, 360);
    else if (name == QLatin1String("ybexItemMeterMinValue"))
        v = qMin(typed, w->getMeterMaxValue(i));
    else if (name == QLatin1String("ybexItemMeterMaxValue"))
        v = qMax(typed, w->getMeterMinValue(i));
    w->setIntValue(key, v);
    if (v != typed)
        sheet->setValue(key, v);
    w->update();
    return true;
}

bool QMySheetApplier::applyChart(QMyWidget *w, const QString &key, const QVariant &value)
{
    int series = 0;
    int point = 0;
    if (SheetRules::chartValueKey(key, &series, &point)) {
        if (series < 0 || series > 1 || point < 0 || point >= w->getChartSerPointCount(series))
            return true;
        const double v = std::trunc(value.toDouble());
        if (v != w->getChartSerDataValue(series, point)) {
            w->setChartSerDataValue(series, point, v);
            w->update();
        }
        return true;
    }
    // Line width, dot size and point count are edited once for both series.
    const QString base = AttributeLimits::sharedSeriesBase(key);
    if (base.isEmpty())
        return false;
    const int v = value.toInt();
    if (limited(key, v))
        return true;
    if (v == w->intValue(base + QLatin1Char('0')))
        return true;
    AttributeLimits::setSharedSeries(*w, base, v);
    w->update();
    return true;
}

void QMySheetApplier::applyPageValue(PageParam *page, const QString &key, const QVariant &value)
{
    if (key.startsWith(QLatin1String("Event_"))) {
        if (applyEventParameter(page->eventHolder(), QStringLiteral("Event_Frame"), key,
                                value.toString()))
            canvas->update();
        return;
    }
    if (key == QLatin1String("pageColorGrad1") || key == QLatin1String("pageColorGrad2")) {
        const bool first = key == QLatin1String("pageColorGrad1");
        const QColor color = value.value<QColor>();
        if (color == (first ? page->pageColorGrad1() : page->pageColorGrad2()))
            return;
        const QColor coupled = withAlpha(color, page->pageOpa());
        if (first)
            page->setPageColorGrad1(coupled);
        else
            page->setPageColorGrad2(coupled);
        sheet->setValue(key, coupled);
        canvas->update();
        return;
    }
    const int v = value.toInt();
    int stored = 0;
    if (!SheetValues::pageInt(*page, key, &stored) || sameValue(value, stored))
        return;
    // The page opacity itself is kept as typed; its colours' alphas cannot leave 0..255.
    SheetValues::setPageInt(*page, key, v);
    if (key == QLatin1String("pageOpa")) {
        page->setPageColorGrad1A(v);
        page->setPageColorGrad2A(v);
        sheet->setValue(QStringLiteral("pageColorGrad1"), page->pageColorGrad1());
        sheet->setValue(QStringLiteral("pageColorGrad2"), page->pageColorGrad2());
    }
    canvas->update();
}

QMySheetApplier::Effect QMySheetApplier::applyTimerValue(TimerParam *timer, int index,
                                                         const QString &key, const QVariant &value)
{
    Effect effect;
    if (key.startsWith(QLatin1String("Event_"))) {
        applyEventParameter(timer->eventHolder(), QStringLiteral("Event_Timer"), key,
                            value.toString());
        return effect;
    }
    const int v = value.toInt();
    if (key == QLatin1String("timerEnable")) {
        if (!sameValue(value, timer->timerEnable())) {
            timer->setTimerEnable(v);
            effect.timerStyle = v != 0 ? 1 : 2;
        }
    } else if (key == QLatin1String("timerOneTime")) {
        if (!sameValue(value, timer->timerOneTime()))
            timer->setTimerOneTime(v);
    } else if (key == QLatin1String("timerTime")) {
        if (v != timer->timerTime()) {
            timer->setTimerTime(v);
            if (index == 8)
                effect.timerStyle = v != 0 ? 1 : 2;
        }
    } else if (key == QLatin1String("timerVal")) {
        if (v > 100 || v < 0) {
            sheet->setValue(key, qBound(0, v, 100));
            return effect;
        }
        const int backlight = SheetRules::backlightOfPercent(v);
        if (backlight != timer->timerVal())
            timer->setTimerVal(backlight);
    }
    return effect;
}

bool QMySheetApplier::applyEventParameter(EventHolder &holder, const QString &prefix,
                                          const QString &key, const QString &text)
{
    QString keyPrefix;
    int param = 0;
    int event = 0;
    if (!SheetRules::eventKey(key, &keyPrefix, &param, &event) || keyPrefix != prefix)
        return false;
    const QList<EventInfo> events = holder.events();
    if (event < 0 || event >= events.size() || events.at(event).param(param) == text)
        return false;
    holder.replace(event, param, text);
    return true;
}

// ---- Choice rows ------------------------------------------------------------------------

void QMySheetApplier::applyChoice(QtProperty *row, int index, const Target &target)
{
    const QString key = sheet->keyOf(row);
    if (key.isEmpty() || sheet->isBeingShown(row))
        return;
    // Page keys address the page on the canvas whatever the sheet shows, even while a
    // widget is dragged.
    if (key == QLatin1String("vga") || key == QLatin1String("screenType")
        || key.startsWith(QLatin1String("page"))) {
        if (target.page)
            applyPageChoice(target.page, key, index);
        return;
    }
    if (target.widget && !target.widget->getIsDragging())
        applyWidgetChoice(target.widget, key, index);
}

void QMySheetApplier::resizeCanvas(int width, int height, int orientation)
{
    const QSize size = SheetRules::frameSize(width, height, orientation);
    design->setFrameSize(size);
}

void QMySheetApplier::applyPageChoice(PageParam *page, const QString &key, int index)
{
    if (key == QLatin1String("vga")) {
        if (index < 0 || index >= resolutionList.size()) {
            // The entry of a resolution outside the list: the row goes back to what the
            // project has.
            const int current = SheetRules::resolutionIndex(design->resolution(), resolutionList);
            if (current >= 0)
                sheet->showChoice(key, current);
            return;
        }
        const QString text = resolutionList.at(index);
        if (text == design->resolution())
            return;
        design->setResolution(text);
        int width = 0;
        int height = 0;
        if (SheetRules::resolutionSize(text, &width, &height))
            resizeCanvas(width, height, design->screenType());
        return;
    }
    if (key == QLatin1String("screenType")) {
        if (index < 0 || index > 3) {
            const int current = design->screenType();
            if (current >= 0 && current <= 3)
                sheet->showChoice(key, current);
            return;
        }
        if (index == design->screenType())
            return;
        int width = 0;
        int height = 0;
        const QString text = design->resolution();
        if (!text.isEmpty() && !SheetRules::resolutionSize(text, &width, &height))
            width = height = 0;
        design->setScreenType(index);
        resizeCanvas(width, height, index);
        return;
    }
    int stored = 0;
    if (!SheetValues::pageInt(*page, key, &stored) || index == stored)
        return;
    SheetValues::setPageInt(*page, key, index);
    if (key == QLatin1String("pageHelpLineType")) {
        // The four offsets are rows of the sheet only while the help line is a rectangle.
        const QList<SheetRow> offsets = SheetTables::helpLineOffsets();
        if (index == 2) {
            for (const SheetRow &offset : offsets) {
                if (!sheet->rowOf(offset.key))
                    sheet->addRows({offset}, [page](const QString &k) {
                        return SheetValues::pageValue(*page, k, 0, QString());
                    });
            }
        } else if (index == 0 || index == 1) {
            for (const SheetRow &offset : offsets)
                sheet->removeRow(offset.key);
        }
    }
    if (key != QLatin1String("pageAnimMode") && key != QLatin1String("pageAnimDir"))
        canvas->update();
}

void QMySheetApplier::applyWidgetChoice(QMyWidget *w, const QString &key, int index)
{
    int v = index;
    if (key == QLatin1String("fontID") || key == QLatin1String("ybexItemChartTickLabelFontID")) {
        // The font list may have changed since the sheet was built; the entry of a missing
        // font applies nothing, and the row shows the widget's font again.
        if (index < 0 || index >= design->fontIds().size()) {
            const int current =
                QMyPropertySheet::fontChoiceIndex(design->fontIds(), w->intValue(key));
            if (current < design->fontIds().size())
                sheet->showChoice(key, current);
            return;
        }
        v = design->fontIds().at(index).toInt();
    } else if (!sheet->extraEntry(key, index, &v)) {
        v = index + AttributeLimits::choiceOffset(key);
    }
    bool known = false;
    if (v == w->intValue(key, &known) || !known)
        return;
    AttributeLimits::setChoice(*w, key, v);
    w->update();
}

// ---- Image rows -------------------------------------------------------------------------

void QMySheetApplier::applyImage(QtProperty *row, const QString &text, const Target &target)
{
    const QString key = sheet->keyOf(row);
    if (key.isEmpty() || sheet->isBeingShown(row))
        return;
    if (key == QLatin1String("pageImageNum")) {
        if (target.page)
            applyPageBackground(target.page, text);
        return;
    }
    QMyWidget *w = target.widget;
    if (!w || w->getIsDragging())
        return;
    bool known = false;
    const int stored = w->intValue(key, &known);
    if (!known || text == SheetRules::imageText(stored))
        return;
    // Any number is kept, whether or not the library has that picture now.
    w->setIntValue(key, SheetRules::imageNumber(text));
    w->update();
}

void QMySheetApplier::applyPageBackground(PageParam *page, const QString &text)
{
    const QString current = SheetRules::imageText(page->pageImageNum());
    if (text == current)
        return;
    if (text.isEmpty()) {
        page->setPageImageNum(-1);
    } else {
        const int number = SheetRules::imageNumber(text);
        switch (SheetRules::pageBackground(number, design->pictures(), design->modelType())) {
        case SheetRules::BackgroundAccepted:
            page->setPageImageNum(number);
            break;
        case SheetRules::BackgroundNotJpg:
            questionBox->showMes(QMyMessageBox::Warning, QMyMessageBox::OkOnly, 0,
                                 QCoreApplication::translate(
                                     "MainWindow", "背景图片只可选择jpg格式图片，请您重新选择！"));
            sheet->setImageText(QStringLiteral("pageImageNum"), current);
            break;
        case SheetRules::BackgroundIgnored:
            break;
        }
    }
    canvas->update();
}
