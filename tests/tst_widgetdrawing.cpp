#include "designdocument.h"
#include "designglobals.h"
#include "dialogtestutil.h"
#include "qmydrawcache.h"
#include "qmymessagebox.h"
#include "qmytextbox.h"
#include "qmywidget.h"
#include "qmywidgetfactory.h"
#include "qmywidgetpainter.h"
#include "textboxdlg.h"

#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QtTest>

#include <limits>

// The widgets as they draw on a page: probes of single pixels after a paint, what a paint
// writes back into the model, the project fonts and the cases that come only from a file.
namespace {

const QColor pageColour(255, 255, 255);
const char *const dejaVu = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

bool near(const QColor &a, const QColor &b, int tolerance = 8)
{
    return qAbs(a.red() - b.red()) <= tolerance && qAbs(a.green() - b.green()) <= tolerance
        && qAbs(a.blue() - b.blue()) <= tolerance;
}

QString describe(const QColor &c)
{
    return QString("(%1,%2,%3,%4)").arg(c.red()).arg(c.green()).arg(c.blue()).arg(c.alpha());
}

#define QCOMPARE_COLOUR(actual, expected)                                                          \
    QVERIFY2(near(actual, expected),                                                               \
             qPrintable(describe(actual) + " expected " + describe(expected)))

// Counts the pixels of a box that are clearly red and clearly dark (the id label's two
// colours).
void labelColours(const QImage &img, const QRect &box, int &red, int &dark)
{
    red = dark = 0;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) {
            const QColor c = img.pixelColor(x, y);
            if (c.red() > 180 && c.green() < 90 && c.blue() < 90)
                ++red;
            else if (c.red() < 90 && c.green() < 90 && c.blue() < 90)
                ++dark;
        }
    }
}

// A double click in a box's text, as the user makes it.
void doubleClick(QWidget *w)
{
    QMouseEvent e(QEvent::MouseButtonDblClick, QPoint(30, 15), w->mapToGlobal(QPoint(30, 15)),
                  Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

} // namespace

class TestWidgetDrawing : public QObject
{
    Q_OBJECT

private:
    QWidget *page = nullptr;
    QString projectDir;
    // The design whose pictures and fonts the widgets show.
    DesignDocument *design = nullptr;

    QMyWidget *make(int type, int id = 1)
    {
        QMyWidget *w = QMyWidgetFactory::create(WidgetType(type), id, page);
        w->setDocument(design);
        w->setPos(10, 10);
        w->setSelected(false);
        w->show();
        return w;
    }

    // The widget as the page shows it after it has been painted once.
    QImage shot(QMyWidget *w)
    {
        w->repaint();
        QCoreApplication::processEvents();
        return page->grab(w->geometry()).toImage();
    }

    QString writeImage(const QString &name, const QImage &img)
    {
        const QString path = QDir::current().absoluteFilePath(name);
        img.save(path);
        return path;
    }

    // A 100 x 50 picture whose pixel (x, y) is (x, y, 100).
    QImage coordinatePicture(int w, int h)
    {
        QImage img(w, h, QImage::Format_ARGB32);
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x)
                img.setPixel(x, y, qRgba(x, y, 100, 255));
        }
        return img;
    }

    void writeFontParam(int n, const QString &size, const QString &ttf)
    {
        QSettings ini(projectDir + QString("/tempFonts/%1.ini").arg(n), QSettings::IniFormat);
        ini.setValue("FontParam/fontName", "f");
        ini.setValue("FontParam/fontSize", size);
        ini.setValue("FontParam/fontTtf", ttf);
        ini.setValue("FontParam/fontBbp", "4");
        ini.setValue("FontParam/fontText", "abc");
        ini.sync();
    }

private slots:
    void initTestCase();
    void cleanup();

    void newButton();
    void borderAndBorderAlpha();
    void roundedCornersKeepTheIdLabel();
    void idLabelColours();
    void picturePlacementAndTint();
    void pictureNumbersThatNameNoImage();
    void hiddenAndHandlesOnlyLooks();
    void buttonAndLabelTextRectangles();

    void progressBar();
    void progressPicture();
    void slider();
    void arc();
    void qrCode();
    void meter();
    void meterNeedlePictures();
    void chart();
    void chartBottomAxisDisabled();

    void textBox();
    void textBoxMakesItsEditorWhenFirstUsed();
    void textBoxDialogKeepsPlainText();

    void projectFonts();
    void fontRegisteredOncePerFile();

    void degenerateChart();
    void degenerateOthers();

    void computedValuesWithoutPainting_data();
    void computedValuesWithoutPainting();
};

void TestWidgetDrawing::initTestCase()
{
    projectDir = QDir::current().absoluteFilePath("project");
    QDir(projectDir).removeRecursively();
    QVERIFY(QDir().mkpath(projectDir + "/tempFonts"));
    QVERIFY(QDir().mkpath(projectDir + "/tempTtf"));
    design = new DesignDocument(this);
    design->setProjectPath(projectDir + "/demo.yBEX");

    page = new QWidget;
    page->resize(800, 480);
    page->setAutoFillBackground(true);
    QPalette pal = page->palette();
    pal.setColor(QPalette::Window, pageColour);
    page->setPalette(pal);
    page->show();
    QVERIFY(QTest::qWaitForWindowExposed(page));
}

void TestWidgetDrawing::cleanup()
{
    qDeleteAll(page->findChildren<QMyWidget *>(QString(), Qt::FindDirectChildrenOnly));
    design->setPictures({});
    QDir(projectDir + "/tempFonts").removeRecursively();
    QDir().mkpath(projectDir + "/tempFonts");
}

void TestWidgetDrawing::newButton()
{
    QMyWidget *b = make(0);
    const QImage img = shot(b);
    QCOMPARE(img.size(), QSize(60, 30));
    QCOMPARE_COLOUR(img.pixelColor(1, 28), QColor(200, 200, 200));
    QCOMPARE_COLOUR(img.pixelColor(58, 28), QColor(200, 200, 200));
    int red = 0, dark = 0;
    labelColours(img, QRect(47, 0, 13, 10), red, dark);
    QVERIFY(red > 3);
    // The text is black, centred in (5, 0, 50, 30).
    labelColours(img, QRect(5, 5, 50, 20), red, dark);
    QVERIFY(dark > 10);
    labelColours(img, QRect(0, 0, 5, 30), red, dark);
    QCOMPARE(dark, 0);
}

void TestWidgetDrawing::borderAndBorderAlpha()
{
    QMyWidget *b = make(1);
    b->setText(QString());
    b->setBorderWidth(4);
    b->setBorderColor(QColor(0, 0, 255, 17));
    b->setBorderOpa(255);
    const QImage img = shot(b);
    QCOMPARE(b->getBorderColorA(), 255); // the paint set the alpha to the opacity
    QCOMPARE_COLOUR(img.pixelColor(0, 15), QColor(0, 0, 255));
    QCOMPARE_COLOUR(img.pixelColor(3, 15), QColor(0, 0, 255));
    QCOMPARE_COLOUR(img.pixelColor(4, 15), QColor(200, 200, 200));
    QCOMPARE_COLOUR(img.pixelColor(30, 25), QColor(200, 200, 200));
    QCOMPARE_COLOUR(img.pixelColor(30, 26), QColor(0, 0, 255));

    // No border width: no line at all, whatever the colour.
    b->setBorderWidth(0);
    b->setBorderColor(QColor(0, 0, 0));
    const QImage plain = shot(b);
    QCOMPARE_COLOUR(plain.pixelColor(0, 15), QColor(200, 200, 200));

    // Opacities outside 0..255 from a file are clamped for drawing.
    b->setBorderWidth(2);
    b->setBorderOpa(400);
    shot(b);
    QCOMPARE(b->getBorderColorA(), 255);
    QCOMPARE(b->getBorderOpa(), 400);
}

void TestWidgetDrawing::roundedCornersKeepTheIdLabel()
{
    QMyWidget *b = make(0, 7);
    b->setRadius(15);
    const QImage img = shot(b);
    QCOMPARE_COLOUR(img.pixelColor(0, 29), pageColour);
    QCOMPARE_COLOUR(img.pixelColor(1, 1), pageColour);
    QCOMPARE_COLOUR(img.pixelColor(15, 15), QColor(200, 200, 200));
    // The label's part outside the rounded corner is its first copy, over the page.
    int red = 0, dark = 0;
    labelColours(img, QRect(47, 0, 13, 10), red, dark);
    QVERIFY(red > 3);
}

void TestWidgetDrawing::idLabelColours()
{
    QMyWidget *b = make(0, 8);
    b->setText(QString());
    b->setProgBackground1(QColor(255, 0, 0));
    QImage img = shot(b);
    int red = 0, dark = 0;
    labelColours(img, QRect(47, 0, 13, 10), red, dark);
    QVERIFY(dark > 3);
    QCOMPARE(red, 0);

    // A long id is cut at the box: nothing of it left of the box.
    b->setId(12345);
    b->setBackground1(QColor(255, 255, 255));
    b->setProgBackground1(QColor(0, 0, 0));
    img = shot(b);
    labelColours(img, QRect(30, 0, 17, 10), red, dark);
    QCOMPARE(red, 0);
    labelColours(img, QRect(47, 0, 13, 10), red, dark);
    QVERIFY(red > 3);

    // Hidden look: black for a white background, red for (254, 255, 255).
    b->setFlag(1);
    b->setBackground1(QColor(255, 255, 255));
    img = shot(b);
    labelColours(img, QRect(47, 0, 13, 10), red, dark);
    QVERIFY(dark > 3);
    QCOMPARE(red, 0);
    b->setBackground1(QColor(254, 255, 255));
    img = shot(b);
    labelColours(img, QRect(47, 0, 13, 10), red, dark);
    QVERIFY(red > 3);
}

void TestWidgetDrawing::picturePlacementAndTint()
{
    design->addPicture(writeImage("coords.png", coordinatePicture(100, 50)));
    design->addPicture(writeImage("small.png", coordinatePicture(20, 10)));
    QMyWidget *img = make(2);
    img->setImageNum(0);
    QImage shown = shot(img);
    // Columns 20..79 and rows 10..39 of the picture, drawn at (0, 0).
    QCOMPARE_COLOUR(shown.pixelColor(0, 20), QColor(20, 30, 100));
    QCOMPARE_COLOUR(shown.pixelColor(30, 29), QColor(50, 39, 100));

    // A smaller picture is centred: 20 x 10 in 61 x 31 at (20, 10).
    img->setW(61);
    img->setH(31);
    img->setImageNum(1);
    shown = shot(img);
    shown = page->grab(QRect(img->x(), img->y(), 61, 31)).toImage();
    QCOMPARE_COLOUR(shown.pixelColor(20, 10), QColor(0, 0, 100));
    QCOMPARE_COLOUR(shown.pixelColor(39, 19), QColor(19, 9, 100));
    QCOMPARE_COLOUR(shown.pixelColor(19, 10), QColor(200, 200, 200));

    // Full tint, then half opacity without tint.
    img->setImageColor(QColor(255, 0, 0));
    img->setImageColorOpa(255);
    shown = shot(img);
    QCOMPARE_COLOUR(shown.pixelColor(25, 12), QColor(255, 0, 0));
    img->setImageColorOpa(0);
    img->setImageOpa(128);
    shown = shot(img);
    const QColor half = shown.pixelColor(20, 10); // (0,0,100) half over (200,200,200)
    QCOMPARE_COLOUR(half, QColor(100, 100, 150));

    // Out-of-range strengths from a file are clamped.
    img->setImageColorOpa(100000);
    img->setImageOpa(-50);
    shown = shot(img);
    QCOMPARE_COLOUR(shown.pixelColor(25, 12), QColor(200, 200, 200)); // alpha 0
    QCOMPARE(img->getImageColorOpa(), 100000);
}

void TestWidgetDrawing::pictureNumbersThatNameNoImage()
{
    design->addPicture(writeImage("coords.png", coordinatePicture(100, 50)));
    QMyWidget *b = make(0);
    b->setBackground1(QColor(10, 200, 10));
    for (int n : {1, -5, std::numeric_limits<int>::min()}) {
        b->setImageNum(n);
        const QImage img = shot(b);
        QCOMPARE_COLOUR(img.pixelColor(2, 28), QColor(10, 200, 10));
        QCOMPARE(b->getImageNum(), n);
        int red = 0, dark = 0;
        labelColours(img, QRect(0, 5, 60, 20), red, dark);
        QVERIFY(dark > 10); // the text is still drawn
    }
    // A missing file draws nothing and reports nothing.
    QStringList pictures = design->pictures();
    pictures[0] = QDir::current().absoluteFilePath("missing.png");
    design->setPictures(pictures);
    b->setImageNum(0);
    QCOMPARE_COLOUR(shot(b).pixelColor(2, 28), QColor(10, 200, 10));
}

void TestWidgetDrawing::hiddenAndHandlesOnlyLooks()
{
    QMyWidget *b = make(0);
    b->setFlag(1);
    b->setBackground1(QColor(0, 0, 255));
    QImage img = shot(b);
    QCOMPARE_COLOUR(img.pixelColor(30, 15), pageColour);
    QCOMPARE_COLOUR(img.pixelColor(0, 15), QColor(0, 0, 255));
    QCOMPARE_COLOUR(img.pixelColor(2, 15), pageColour);

    b->setFlag(2);
    b->setSelected(true);
    img = shot(b);
    QCOMPARE_COLOUR(img.pixelColor(30, 15), pageColour);
    QCOMPARE_COLOUR(img.pixelColor(0, 22), pageColour);
    QCOMPARE_COLOUR(img.pixelColor(2, 2), QColor(0, 0, 255)); // handle 0
    QCOMPARE_COLOUR(img.pixelColor(0, 0), QColor(0, 0, 0)); // its outline
    QCOMPARE_COLOUR(img.pixelColor(56, 26), QColor(0, 0, 255)); // handle 7
    QCOMPARE(b->getHandleRect(7), QRect(53, 23, 6, 6));
}

void TestWidgetDrawing::buttonAndLabelTextRectangles()
{
    // Left-aligned text starts 5 pixels inside the border without a picture number and at
    // the border with one (even one that names no image).
    for (int type : {0, 1}) {
        QMyWidget *w = make(type);
        w->setText("MMMM");
        w->setHAlign(1);
        w->setBorderWidth(2);
        w->setBorderColor(QColor(200, 200, 200));
        const auto firstDarkColumn = [&]() {
            const QImage img = shot(w);
            for (int x = 0; x < img.width(); ++x) {
                for (int y = 0; y < img.height(); ++y) {
                    if (img.pixelColor(x, y).red() < 100)
                        return x;
                }
            }
            return -1;
        };
        const int without = firstDarkColumn();
        QVERIFY2(without >= 7 && without <= 9, qPrintable(QString::number(without)));
        w->setImageNum(3);
        const int with = firstDarkColumn();
        if (type == 0)
            QVERIFY2(with >= 2 && with <= 4, qPrintable(QString::number(with)));
        else
            QVERIFY2(with >= 0 && with <= 2, qPrintable(QString::number(with)));
        delete w;
    }
}

void TestWidgetDrawing::progressBar()
{
    QMyWidget *p = make(3);
    QImage img = shot(p);
    QCOMPARE_COLOUR(img.pixelColor(11, 15), QColor(0, 0, 0));
    QCOMPARE_COLOUR(img.pixelColor(12, 15), QColor(200, 200, 200));
    p->setProgDir(1);
    img = shot(p);
    QCOMPARE_COLOUR(img.pixelColor(48, 15), QColor(0, 0, 0));
    QCOMPARE_COLOUR(img.pixelColor(47, 15), QColor(200, 200, 200));

    // Bar border alpha follows its opacity, like the background's.
    p->setProgDir(0);
    p->setProgValue(150);
    p->setProgBorderWidth(1);
    p->setProgBorderColor(QColor(255, 0, 0, 3));
    p->setProgBorderOpa(255);
    img = shot(p);
    QCOMPARE(p->getProgBorderColorA(), 255);
    QCOMPARE_COLOUR(img.pixelColor(59, 15), QColor(255, 0, 0));
    QCOMPARE_COLOUR(img.pixelColor(30, 15), QColor(0, 0, 0));
}

void TestWidgetDrawing::progressPicture()
{
    design->addPicture(writeImage("coords.png", coordinatePicture(100, 50)));
    QMyWidget *p = make(3);
    p->setW(100);
    p->setH(30);
    p->setProgValue(50);
    p->setBorderWidth(3);
    p->setBorderColor(QColor(0, 0, 255));
    p->setProgImageNum(0);
    QImage img = shot(p);
    // No background border under a picture bar; the picture is cut around its middle to
    // the bar (0, 0, 50, 30).
    QCOMPARE_COLOUR(img.pixelColor(99, 15), QColor(200, 200, 200));
    QCOMPARE_COLOUR(img.pixelColor(0, 15), QColor(25, 25, 100));
    QCOMPARE_COLOUR(img.pixelColor(49, 15), QColor(74, 25, 100));
    QCOMPARE_COLOUR(img.pixelColor(50, 15), QColor(200, 200, 200));

    // A number past the list draws no picture, and still no border.
    p->setProgImageNum(1);
    img = shot(p);
    QCOMPARE_COLOUR(img.pixelColor(20, 15), QColor(200, 200, 200));
    QCOMPARE_COLOUR(img.pixelColor(99, 15), QColor(200, 200, 200));
    // A negative one never indexes the list: the colour bar and the border, as for -1.
    p->setProgImageNum(-3);
    img = shot(p);
    QCOMPARE_COLOUR(img.pixelColor(20, 15), QColor(0, 0, 0));
    QCOMPARE_COLOUR(img.pixelColor(99, 15), QColor(0, 0, 255));
    QCOMPARE(p->getProgImageNum(), -3);
}

void TestWidgetDrawing::slider()
{
    QMyWidget *s = make(6);
    QImage img = shot(s);
    QCOMPARE(img.size(), QSize(100, 30));
    QCOMPARE(s->getProgX(), 15);
    QCOMPARE(s->getProgY(), 0);
    QCOMPARE(s->getProgW(), 70);
    QCOMPARE(s->getProgH(), 30);
    QCOMPARE_COLOUR(img.pixelColor(5, 15), pageColour);
    QCOMPARE_COLOUR(img.pixelColor(20, 15), QColor(0, 255, 0)); // filled part
    QCOMPARE_COLOUR(img.pixelColor(43, 15), QColor(255, 0, 0)); // knob centre
    QCOMPARE_COLOUR(img.pixelColor(70, 15), QColor(0, 0, 0)); // track
    QCOMPARE_COLOUR(img.pixelColor(95, 15), pageColour);

    s->setHandleKnob(5);
    img = shot(s);
    img = page->grab(QRect(s->x(), s->y(), 110, 40)).toImage();
    QCOMPARE(s->size(), QSize(110, 40));
    QCOMPARE(QRect(s->getProgX(), s->getProgY(), s->getProgW(), s->getProgH()),
             QRect(20, 5, 70, 30));
    QCOMPARE(s->getW(), 100);
    QCOMPARE_COLOUR(img.pixelColor(48, 20), QColor(255, 0, 0)); // knob centre (48, 20)
    QCOMPARE(s->getHandleRect(7), QRect(103, 33, 6, 6));

    s->setHandleKnob(0);
    s->setW(30);
    s->setH(100);
    shot(s);
    QCOMPARE(QRect(s->getProgX(), s->getProgY(), s->getProgW(), s->getProgH()),
             QRect(0, 15, 30, 70));
    img = page->grab(QRect(s->x(), s->y(), 30, 100)).toImage();
    QCOMPARE_COLOUR(img.pixelColor(15, 80), QColor(0, 255, 0)); // filled from the bottom
    QCOMPARE_COLOUR(img.pixelColor(15, 25), QColor(0, 0, 0));
}

void TestWidgetDrawing::arc()
{
    QMyWidget *a = make(7);
    QImage img = shot(a);
    img = page->grab(QRect(a->x(), a->y(), 110, 110)).toImage();
    QCOMPARE(a->size(), QSize(110, 110));
    QCOMPARE(a->getW(), 100);
    QCOMPARE(QRect(a->getProgX(), a->getProgY(), a->getProgW(), a->getProgH()),
             QRect(5, 5, 100, 100));
    QCOMPARE_COLOUR(img.pixelColor(91, 29), QColor(255, 0, 0)); // knob at (81, 19)
    QCOMPARE_COLOUR(img.pixelColor(55, 10), QColor(0, 255, 0)); // value arc at the top
    QCOMPARE_COLOUR(img.pixelColor(55, 100), QColor(0, 0, 255)); // track at the bottom
    QCOMPARE_COLOUR(img.pixelColor(55, 55), QColor(200, 200, 200));
    QCOMPARE_COLOUR(img.pixelColor(2, 2), pageColour);
    // Corner handles only.
    QCOMPARE(a->getHandleRect(7), QRect(103, 103, 6, 6));
    QVERIFY(a->getHandleRect(1).isNull());

    a->setW(150);
    shot(a);
    QCOMPARE(a->getW(), 100);
    QCOMPARE(a->getH(), 100);
    a->setW(80);
    a->setHandleKnob(0);
    shot(a);
    QCOMPARE(a->size(), QSize(80, 80));
    QCOMPARE(QRect(a->getProgX(), a->getProgY(), a->getProgW(), a->getProgH()),
             QRect(0, 0, 80, 80));
}

void TestWidgetDrawing::qrCode()
{
    QMyWidget *q = make(5);
    QImage img = shot(q);
    QCOMPARE(img.size(), QSize(53, 53));
    // Finder pattern: modules of 2.12 pixels, dark ring, light ring, dark centre.
    QCOMPARE_COLOUR(img.pixelColor(1, 1), QColor(0, 0, 0));
    QCOMPARE_COLOUR(img.pixelColor(3, 3), QColor(255, 255, 255));
    QCOMPARE_COLOUR(img.pixelColor(7, 7), QColor(0, 0, 0));
    QCOMPARE_COLOUR(img.pixelColor(1, 51), QColor(0, 0, 0));
    QCOMPARE_COLOUR(img.pixelColor(3, 49), QColor(255, 255, 255));
    QCOMPARE(q->getHandleRect(7), QRect(46, 46, 6, 6));
    QVERIFY(q->getHandleRect(4).isNull());

    q->setW(100);
    shot(q);
    QCOMPARE(q->getW(), 53);
    QCOMPARE(q->size(), QSize(53, 53));

    // No symbol: the background and the id label only.
    for (const QString &text : {QString(), QString(3000, 'x')}) {
        q->setText(text);
        img = shot(q);
        QCOMPARE_COLOUR(img.pixelColor(1, 1), QColor(255, 255, 255));
        QCOMPARE_COLOUR(img.pixelColor(26, 26), QColor(255, 255, 255));
        int red = 0, dark = 0;
        labelColours(img, QRect(40, 0, 13, 10), red, dark);
        QVERIFY(red > 3);
    }
}

void TestWidgetDrawing::meter()
{
    QMyWidget *m = make(8);
    QImage img = shot(m);
    QCOMPARE(img.size(), QSize(100, 100));
    const QColor needle(150, 200, 100);
    QCOMPARE_COLOUR(img.pixelColor(20, 49), needle); // points left
    QCOMPARE_COLOUR(img.pixelColor(70, 49), QColor(200, 200, 200));
    QCOMPARE_COLOUR(img.pixelColor(49, 49), QColor(0, 0, 0)); // dot
    QCOMPARE_COLOUR(img.pixelColor(2, 2), pageColour); // circular background
    m->setMeterRotation(0, 25);
    img = shot(m);
    QCOMPARE_COLOUR(img.pixelColor(49, 20), needle); // 12 o'clock
    QCOMPARE_COLOUR(img.pixelColor(20, 49), QColor(200, 200, 200));
    m->setMeterRotation(0, 50);
    QCOMPARE_COLOUR(shot(m).pixelColor(78, 49), needle); // 3 o'clock
    m->setMeterRotation(0, 100);
    m->setMeterAngle(0, 270);
    QCOMPARE_COLOUR(shot(m).pixelColor(49, 78), needle); // 6 o'clock

    m->setH(80);
    shot(m);
    QCOMPARE(m->getW(), 80);
    QCOMPARE(m->size(), QSize(80, 80));
    QCOMPARE(m->getHandleRect(5), QRect(0, 73, 6, 6));
    QVERIFY(m->getHandleRect(6).isNull());
}

void TestWidgetDrawing::meterNeedlePictures()
{
    QImage needle(20, 100, QImage::Format_ARGB32);
    needle.fill(QColor(255, 0, 255));
    design->addPicture(writeImage("needle.png", needle));
    QMyWidget *m = make(8);
    m->setMeterPointPicID(0, 0);
    m->setMeterXPivot(0, 10);
    m->setMeterYPivot(0, 90);
    QImage img = shot(m);
    // Drawn as stored at the value 0: the picture stands up from the centre.
    QCOMPARE_COLOUR(img.pixelColor(49, 10), QColor(255, 0, 255));
    QCOMPARE_COLOUR(img.pixelColor(20, 49), QColor(200, 200, 200));
    QCOMPARE(m->getMeterPointPicID(0), 0);

    // A number past the library (its picture missing) keeps its number and draws a needle
    // in its place; a negative one is a drawn needle and stays.
    m->setMeterPointPicID(0, 1);
    img = shot(m);
    QCOMPARE(m->getMeterPointPicID(0), 1);
    QCOMPARE_COLOUR(img.pixelColor(49, 10), QColor(200, 200, 200));
    m->setMeterPointPicID(0, -7);
    m->setMeterXPivot(0, 0);
    m->setMeterYPivot(0, 0);
    img = shot(m);
    QCOMPARE(m->getMeterPointPicID(0), -7);
    QCOMPARE_COLOUR(img.pixelColor(20, 49), QColor(150, 200, 100));
}

void TestWidgetDrawing::chart()
{
    QMyWidget *c = make(9);
    QCOMPARE(c->getChartTickMaxValue(2), 400);
    QImage img = shot(c);
    QCOMPARE(img.size(), QSize(200, 150));
    QCOMPARE(QRect(c->getProgX(), c->getProgY(), c->getProgW(), c->getProgH()),
             QRect(25, 25, 150, 100));
    QCOMPARE(c->getChartTickMinValue(2), 0);
    QCOMPARE(c->getChartTickMaxValue(2), 4);
    QCOMPARE(c->getChartTickMaxValue(0), 400);

    QCOMPARE_COLOUR(img.pixelColor(21, 115), QColor(0, 0, 0)); // left tick
    QCOMPARE_COLOUR(img.pixelColor(23, 105), QColor(0, 0, 0)); // its sub-tick
    QCOMPARE_COLOUR(img.pixelColor(19, 105), pageColour);
    QCOMPARE_COLOUR(img.pixelColor(178, 35), QColor(0, 0, 0)); // right tick
    QCOMPARE_COLOUR(img.pixelColor(100, 128), QColor(0, 0, 0)); // bottom tick
    QCOMPARE_COLOUR(img.pixelColor(90, 120), QColor(200, 200, 200)); // plot area
    QCOMPARE_COLOUR(img.pixelColor(10, 10), pageColour);
    QCOMPARE_COLOUR(img.pixelColor(35, 55), QColor(200, 100, 0)); // series 0, point 0
    QCOMPARE_COLOUR(img.pixelColor(165, 75), QColor(100, 0, 0)); // series 1, point 3
    QCOMPARE_COLOUR(img.pixelColor(56, 85), QColor(100, 0, 0)); // its line
    QCOMPARE_COLOUR(img.pixelColor(26, 95), QColor(255, 255, 255)); // grid dash
    int red = 0, dark = 0;
    labelColours(img, QRect(0, 105, 19, 20), red, dark); // label "0"
    QVERIFY(red > 3);

    // One series only: the second one's values stay.
    c->setChartSerCount(1);
    img = shot(c);
    QCOMPARE_COLOUR(img.pixelColor(56, 85), QColor(200, 200, 200));
    QCOMPARE(c->getChartSerData(1), QString("100/200/100/200"));
}

void TestWidgetDrawing::chartBottomAxisDisabled()
{
    QMyWidget *c = make(9);
    c->setChartTickEnable(2, 0);
    shot(c);
    QCOMPARE(c->getChartTickMaxValue(2), 400);
    c->setChartTickEnable(2, 1);
    c->setFlag(1);
    shot(c);
    QCOMPARE(c->getChartTickMaxValue(2), 400); // not drawn normally: no write-back
    QCOMPARE(c->getProgW(), 150);
}

void TestWidgetDrawing::textBox()
{
    QMyWidget *w = make(4);
    auto *box = qobject_cast<QMyTextBox *>(w);
    QVERIFY(box);
    QSignalSpy pressed(w, &QMyWidget::s_sendPressWnd);
    QCOMPARE(w->getSignalMode(), 1);
    box->slotReceText(QString::fromUtf8("一二三\n"));
    QCOMPARE(w->getSignalMode(), 0);
    QCOMPARE(w->getLongTextLen(), 10);
    QCOMPARE(pressed.count(), 1);
    box->slotReceText("abc");
    QCOMPARE(w->getLongTextLen(), 10);
    QCOMPARE(w->getText(), QString("abc"));

    // A double click opens the box's own editor with its text, not while it is hidden.
    const auto openEditors = []() {
        QList<TextBoxDlg *> open;
        for (QWidget *top : QApplication::topLevelWidgets()) {
            if (auto *dlg = qobject_cast<TextBoxDlg *>(top); dlg && dlg->isVisible())
                open << dlg;
        }
        return open;
    };
    w->setFlag(1);
    doubleClick(w);
    QVERIFY(openEditors().isEmpty());
    w->setFlag(0);
    doubleClick(w);
    QCOMPARE(openEditors().size(), 1);
    QCOMPARE(openEditors().at(0)->findChild<QPlainTextEdit *>("textEdit")->toPlainText(),
             QString("abc"));
    openEditors().at(0)->findChild<QPushButton *>("btnOk")->click();
    QVERIFY(openEditors().isEmpty());
    QCOMPARE(pressed.count(), 3);

    // No clip: a rounded box draws its text to the corner; a password shows stars.
    w->setText("W");
    w->setPasswordMode(1);
    w->setHAlign(1);
    QImage img = shot(w);
    int red = 0, dark = 0;
    labelColours(img, QRect(5, 0, 20, 30), red, dark);
    QVERIFY(dark > 2);
    w->setPasswordMode(2);
    img = shot(w);
    labelColours(img, QRect(5, 0, 40, 30), red, dark);
    QCOMPARE(dark, 0);
}

// A design holds many text boxes and most are never edited through their own editor: it
// is made on the first double click, once, and goes with its box.
void TestWidgetDrawing::textBoxMakesItsEditorWhenFirstUsed()
{
    const auto editors = []() {
        int count = 0;
        for (QWidget *top : QApplication::topLevelWidgets())
            count += qobject_cast<TextBoxDlg *>(top) != nullptr;
        return count;
    };
    const int before = editors();
    QMyWidget *w = make(4);
    QCOMPARE(editors(), before);
    w->setText(QStringLiteral("first"));
    doubleClick(w);
    QCOMPARE(editors(), before + 1);
    // It edits the box's text as an editor made with the box would.
    TextBoxDlg *editor = nullptr;
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (auto *dlg = qobject_cast<TextBoxDlg *>(top))
            editor = dlg;
    }
    QVERIFY(editor && editor->isVisible());
    auto *edit = editor->findChild<QPlainTextEdit *>(QStringLiteral("textEdit"));
    QVERIFY(edit);
    QCOMPARE(edit->toPlainText(), QStringLiteral("first"));
    edit->setPlainText(QStringLiteral("second"));
    editor->findChild<QPushButton *>(QStringLiteral("btnOk"))->click();
    QCOMPARE(w->getText(), QStringLiteral("second"));
    QVERIFY(!editor->isVisible());
    doubleClick(w);
    QCOMPARE(editors(), before + 1);
    QCOMPARE(edit->toPlainText(), QStringLiteral("second"));
    delete w;
    QCOMPARE(editors(), before);
}

void TestWidgetDrawing::textBoxDialogKeepsPlainText()
{
    TextBoxDlg dlg(MaxTextLength);
    QCOMPARE(dlg.size(), QSize(400, 300));
    QCOMPARE(dlg.windowTitle(), QString::fromUtf8("文本输入"));
    QVERIFY(dlg.windowFlags() & Qt::WindowStaysOnTopHint);
    QSignalSpy sent(&dlg, &TextBoxDlg::s_sendText);
    const QString html = "<b>bold</b> &amp; <i>x</i>\nline 2";
    dlg.showText(html);
    QVERIFY(dlg.isVisible());
    auto *ok = dlg.findChild<QPushButton *>("btnOk");
    QVERIFY(ok);
    ok->click();
    QCOMPARE(sent.count(), 1);
    QCOMPARE(sent.at(0).at(0).toString(), html);
    QVERIFY(!dlg.isVisible());

    // A second edit starts from the given text, not from the previous one.
    dlg.showText("new");
    ok->click();
    QCOMPARE(sent.at(1).at(0).toString(), QString("new"));

    // A text longer than a project file holds stays in the editor with a warning.
    dlg.showText(manyLines(MaxTextLength + 1));
    ok->click();
    QCOMPARE(sent.count(), 2);
    QVERIFY(dlg.isVisible());
    QMyMessageBox *notice = nullptr;
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (auto *box = qobject_cast<QMyMessageBox *>(top); box && box->isVisible())
            notice = box;
    }
    QVERIFY(notice);
    QCOMPARE(notice->findChild<QLabel *>("labMessage")->text(),
             QString("文本超过%1个字符，无法保存！").arg(MaxTextLength));
    dlg.findChild<QPlainTextEdit *>("textEdit")->setPlainText(manyLines(MaxTextLength));
    ok->click();
    QCOMPARE(sent.count(), 3);
    QCOMPARE(sent.at(2).at(0).toString().size(), MaxTextLength);
}

void TestWidgetDrawing::projectFonts()
{
    QVERIFY2(QFile::exists(dejaVu), "fonts-dejavu-core is needed");
    QFile::remove(projectDir + "/tempTtf/DejaVuSans.ttf");
    QVERIFY(QFile::copy(dejaVu, projectDir + "/tempTtf/DejaVuSans.ttf"));

    // No parameter file: SimSun at the fallback size.
    QFont f = QMyWidgetPainter::projectFont(projectDir, 0, 12);
    QCOMPARE(f.family(), QString("SimSun"));
    QCOMPARE(f.pixelSize(), 12);

    writeFontParam(0, "20", "DejaVuSans.ttf");
    f = QMyWidgetPainter::projectFont(projectDir, 0, 12);
    QCOMPARE(f.family(), QString("DejaVu Sans"));
    QCOMPARE(f.pixelSize(), 20);

    // Only the file name counts, inside tempTtf.
    writeFontParam(1, "14", "../../../../usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf");
    f = QMyWidgetPainter::projectFont(projectDir, 1, 12);
    QCOMPARE(f.family(), QString("SimSun"));
    QCOMPARE(f.pixelSize(), 14);
    writeFontParam(1, "14", "/elsewhere/DejaVuSans.ttf");
    QCOMPARE(QMyWidgetPainter::projectFont(projectDir, 1, 12).family(), QString("DejaVu Sans"));

    // A size that is no number keeps the application's default size; the chart's tick
    // labels keep their own 10 pixels.
    writeFontParam(2, "big", "DejaVuSans.ttf");
    f = QMyWidgetPainter::projectFont(projectDir, 2, 12);
    QCOMPARE(f.pixelSize(), -1);
    QCOMPARE(f.pointSizeF(), QFont().pointSizeF());
    for (const char *size : {"big", "0", "-4"}) {
        writeFontParam(2, size, "DejaVuSans.ttf");
        f = QMyWidgetPainter::projectFont(projectDir, 2, 10, true);
        QCOMPARE(f.family(), QString("DejaVu Sans"));
        QCOMPARE(f.pixelSize(), 10);
    }
    // The chart draws its labels so: a size of 0 looks like a size of 10.
    QMyWidget *chart = make(9);
    chart->setChartTickLabelFontID(3);
    writeFontParam(3, "10", "DejaVuSans.ttf");
    const QImage ten = shot(chart);
    writeFontParam(3, "0", "DejaVuSans.ttf");
    QCOMPARE(shot(chart), ten);
    writeFontParam(3, "30", "DejaVuSans.ttf");
    QVERIFY(shot(chart) != ten);

    // A text drawn with it: the button's text comes out in the project font's size.
    writeFontParam(0, "26", "DejaVuSans.ttf");
    QMyWidget *b = make(0);
    b->setW(200);
    b->setH(40);
    b->setText("H");
    const auto textHeight = [this](QMyWidget *w) {
        const QImage img = shot(w);
        int top = -1, bottom = -1;
        for (int y = 0; y < img.height(); ++y) {
            for (int x = 20; x < 180; ++x) {
                if (img.pixelColor(x, y).red() < 100) {
                    if (top < 0)
                        top = y;
                    bottom = y;
                }
            }
        }
        return top < 0 ? 0 : bottom - top + 1;
    };
    // DejaVu Sans capital H is 0.73 em: 19 pixels at 26 pixels.
    const int height = textHeight(b);
    QVERIFY2(height >= 17 && height <= 21, qPrintable(QString::number(height)));

    // No project open: no file is looked up, not even in the working directory; the text
    // keeps the fallback size, far below the 22 pixels of the font there.
    QDir().mkpath("tempFonts");
    QDir().mkpath("tempTtf");
    QFile::copy(dejaVu, "tempTtf/DejaVuSans.ttf");
    {
        QSettings ini("tempFonts/0.ini", QSettings::IniFormat);
        ini.setValue("FontParam/fontSize", "30");
        ini.setValue("FontParam/fontTtf", "DejaVuSans.ttf");
    }
    f = QMyWidgetPainter::projectFont(QString(), 0, 12);
    QCOMPARE(f.family(), QString("SimSun"));
    QCOMPARE(f.pixelSize(), 12);
    DesignDocument noProject;
    b->setDocument(&noProject);
    const int fallback = textHeight(b);
    QVERIFY2(fallback > 0 && fallback < 17, qPrintable(QString::number(fallback)));
    b->setDocument(design);
    QDir("tempFonts").removeRecursively();
    QDir("tempTtf").removeRecursively();
}

void TestWidgetDrawing::fontRegisteredOncePerFile()
{
    QMyDrawCache::clear();
    const QString ttf = projectDir + "/tempTtf/Copy.ttf";
    QFile::remove(ttf);
    QVERIFY(QFile::copy(dejaVu, ttf));
    writeFontParam(0, "16", "Copy.ttf");
    QMyWidget *b = make(0);
    for (int i = 0; i < 20; ++i)
        shot(b);
    QCOMPARE(QMyDrawCache::registeredFontCount(), 1);
    const int families = QFontDatabase().families().size();
    for (int i = 0; i < 20; ++i)
        shot(b);
    QCOMPARE(QFontDatabase().families().size(), families);

    // A changed file is registered anew, replacing the old registration.
    QFile::remove(ttf);
    QVERIFY(QFile::copy(QString(dejaVu).replace("DejaVuSans.ttf", "DejaVuSans-Bold.ttf"), ttf));
    QCOMPARE(QMyDrawCache::ttfFamilies(ttf), QStringList {"DejaVu Sans"});
    QCOMPARE(QMyDrawCache::registeredFontCount(), 1);
    QFile::remove(ttf);
    QVERIFY(QMyDrawCache::ttfFamilies(ttf).isEmpty());
    QCOMPARE(QMyDrawCache::registeredFontCount(), 0);
}

void TestWidgetDrawing::degenerateChart()
{
    const int big = std::numeric_limits<int>::max();
    const int small = std::numeric_limits<int>::min();
    QMyWidget *c = make(9);
    // Each case must come back at all (the test's time limit catches a hang).
    const auto check = [&](const char *what) {
        shot(c);
        QVERIFY2(c->size() == QSize(200, 150), what);
    };
    for (int a = 0; a < 4; ++a)
        c->setChartTickCount(a, 1);
    c->setChartGridRow(1);
    c->setChartGridCol(1);
    c->setChartTickMinValue(0, 7);
    c->setChartTickMaxValue(0, 7);
    check("counts of one, empty range");
    QCOMPARE(c->getChartTickMaxValue(0), 7);
    QCOMPARE(c->getChartTickMaxValue(2), 0);

    for (int a = 0; a < 4; ++a) {
        c->setChartTickCount(a, big);
        c->setChartSubTickCount(a, big);
        c->setChartTickMinValue(a, small);
        c->setChartTickMaxValue(a, big);
    }
    c->setChartGridRow(big);
    c->setChartGridCol(big);
    c->setChartSerCount(big);
    c->setChartSerData(0, "1e308/-1e308/nan/5");
    check("extreme counts");
    QCOMPARE(c->getChartTickCount(0), big);
    QCOMPARE(c->getChartTickMaxValue(2), big - 1);

    c->setChartTickCount(2, small);
    c->setChartSubTickCount(0, small);
    c->setChartGridDasLength(0);
    c->setChartGridDasGap(-5);
    check("negative counts, no dash");
    QCOMPARE(c->getChartTickMaxValue(2), small);
    c->setChartGridDasLength(-3);
    c->setChartGridDasGap(0);
    check("negative dash");
    c->setChartGridDasLength(big);
    c->setChartGridDasGap(big);
    c->setChartGridDasHight(big);
    check("huge dash");

    c->setChartTickOffset(big);
    c->setChartGridPadding(small);
    c->setChartTickLength(0, small);
    c->setChartTickWidth(-4);
    c->setChartSerLineWidth(0, -1);
    c->setChartSerDotWidth(1, big);
    check("offsets and widths");
    c->setChartTickOffset(small);
    c->setChartGridPadding(big);
    check("negative offset");
    c->setChartTickOffset(200);
    check("offset past the size");
}

void TestWidgetDrawing::degenerateOthers()
{
    const int big = std::numeric_limits<int>::max();
    const int small = std::numeric_limits<int>::min();

    QMyWidget *m = make(8);
    m->setMeterPointNum(big);
    for (int i = 0; i < 3; ++i) {
        m->setMeterMinValue(i, small);
        m->setMeterMaxValue(i, big);
        m->setMeterRotation(i, big);
        m->setMeterAngle(i, big);
        m->setMeterPointW(i, small);
        m->setMeterPointR(i, big);
    }
    m->setMeterMinValue(1, 5);
    m->setMeterMaxValue(1, 5);
    m->setMeterDotSize(small);
    shot(m);
    QCOMPARE(m->getMeterMaxValue(0), big);

    QMyWidget *a = make(7);
    a->setArcStartValue(small);
    a->setArcEndValue(big);
    a->setArcRotation(big);
    a->setProgValue(small);
    a->setArcWidth(big);
    a->setArcSelectWidth(small);
    a->setHandleKnob(small);
    a->setBorderWidth(big);
    shot(a);
    a->setProgValue(big);
    a->setHandleKnob(40);
    a->setArcWidth(-3);
    a->setBorderWidth(small);
    shot(a);

    QMyWidget *s = make(6);
    s->setProgValue(small);
    s->setHandleKnob(-1000);
    shot(s);
    s->setProgValue(big);
    s->setHandleKnob(30);
    s->setProgRadius(big);
    s->setRadius(small);
    shot(s);

    QMyWidget *p = make(3);
    p->setProgDir(big);
    shot(p);
    p->setProgDir(3);
    p->setProgValue(small);
    p->setBorderWidth(big);
    p->setProgBorderWidth(small);
    p->setGradMode(big);
    p->setProgGradMode(-1);
    shot(p);

    // Sizes, borders and radii at the ends of the int range, for every type.
    for (int type = 0; type < 10; ++type) {
        QMyWidget *w = make(type);
        for (int v : {small, big, -1, 0}) {
            w->setW(v);
            w->setH(type % 2 ? big : v);
            w->setBorderWidth(v);
            w->setRadius(v);
            w->setProgBorderWidth(v);
            w->setHandleBorderWidth(v);
            w->setSelected(v < 0);
            shot(w);
        }
        delete w;
    }

    QMyWidget *q = make(5);
    q->setText(QString(5000, QChar(0x4e00)));
    shot(q);
    QCOMPARE(q->getW(), 53);
    q->setText(QString(QChar(0)));
    shot(q);
}

// What a paint writes back, computed for a widget that is not painted: the same values,
// for every type, look and geometry.
void TestWidgetDrawing::computedValuesWithoutPainting_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("flag");
    QTest::addColumn<int>("w");
    QTest::addColumn<int>("h");
    QTest::addColumn<int>("knob");
    for (int type = 0; type < WidgetTypeCount; ++type) {
        for (int flag : {0, 1, 2}) {
            const QByteArray name = widgetTypeNames.value(type, QString::number(type)).toLatin1();
            QTest::newRow(name + " wide, flag " + QByteArray::number(flag))
                << type << flag << 170 << 60 << 7;
            QTest::newRow(name + " tall, flag " + QByteArray::number(flag))
                << type << flag << 50 << 130 << 0;
            QTest::newRow(name + " negative, flag " + QByteArray::number(flag))
                << type << flag << -40 << 25 << -3;
        }
    }
}

void TestWidgetDrawing::computedValuesWithoutPainting()
{
    QFETCH(int, type);
    QFETCH(int, flag);
    QFETCH(int, w);
    QFETCH(int, h);
    QFETCH(int, knob);
    design->setPictures({"a.png"});
    QMyWidget *painted = QMyWidgetFactory::create(WidgetType(type), 1, page);
    QMyWidget *computed = QMyWidgetFactory::create(WidgetType(type), 1, page);
    for (QMyWidget *x : {painted, computed}) {
        x->setDocument(design);
        x->setFlag(flag);
        x->setW(w);
        x->setH(h);
        x->setHandleKnob(knob);
        x->setChartTickCount(2, 11);
        x->setMeterPointNum(3);
        x->setMeterPointPicID(0, 0);
        x->setMeterPointPicID(1, 1); // beyond the one image
        x->setMeterPointPicID(2, -5);
    }
    painted->grab();
    computed->refreshComputedValues();
    for (const QString &key : QMyWidget::fileKeys())
        QVERIFY2(painted->fileValue(key) == computed->fileValue(key),
                 qPrintable(QString("%1: %2 after a paint, %3 computed")
                                .arg(key, painted->fileValue(key), computed->fileValue(key))));
}

QTEST_MAIN(TestWidgetDrawing)
#include "tst_widgetdrawing.moc"
