#include <QSignalSpy>
#include <QtTest>

#include "qmycheckstandarditemmodel.h"
#include "qmyimageitemmodel.h"
#include "qmyinstrtablemodel.h"
#include "qmyitemmodel.h"

// Each table kind is built by name so that one data table covers the whole family.
static QStandardItemModel *makeModel(const QString &kind, int rows)
{
    QStandardItemModel *model = nullptr;
    if (kind == "check")
        model = new QMyCheckStandardItemModel;
    else if (kind == "image")
        model = new QMyImageItemModel;
    else if (kind == "instr")
        model = new QMyInstrTableModel;
    else
        model = new QMyItemModel;
    for (int r = 0; r < rows; ++r) {
        QList<QStandardItem *> row;
        for (int c = 0; c < 4; ++c) {
            auto *item = new QStandardItem(QString("r%1c%2").arg(r).arg(c));
            item->setData(int(Qt::AlignRight), Qt::TextAlignmentRole);
            item->setData(QColor(Qt::red), Qt::BackgroundRole);
            item->setData(int(Qt::PartiallyChecked), Qt::CheckStateRole);
            row.append(item);
        }
        model->appendRow(row);
    }
    return model;
}

static QMyCheckColumnModel *checksOf(QStandardItemModel *model)
{
    return qobject_cast<QMyCheckColumnModel *>(model);
}

class TestTableModels : public QObject
{
    Q_OBJECT
private slots:
    void flagsPerColumn_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("flags");
        const QList<QPair<QString, QList<int>>> table = {
            {"check", {49, 35, 35, 35}},
            {"image", {49, 33, 33, 33}},
            {"instr", {49, 33, 33, 35}},
            {"item", {49, 33, 33, 33}},
        };
        for (const auto &entry : table)
            for (int c = 0; c < 4; ++c)
                QTest::addRow("%s column %d", qPrintable(entry.first), c)
                    << entry.first << c << entry.second.at(c);
    }
    void flagsPerColumn()
    {
        QFETCH(QString, kind);
        QFETCH(int, column);
        QFETCH(int, flags);
        QScopedPointer<QStandardItemModel> model(makeModel(kind, 2));
        QCOMPARE(int(model->flags(model->index(1, column))), flags);
        QCOMPARE(int(model->flags(QModelIndex())), 0);
        QVERIFY(!model->data(QModelIndex(), Qt::DisplayRole).isValid());
        QVERIFY(!model->setData(QModelIndex(), 2, Qt::CheckStateRole));
    }

    void alignmentAndBackground_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QVariant>("alignment");
        QTest::addColumn<QVariant>("oddBackground");
        QTest::addColumn<QVariant>("evenBackground");
        const QVariant stored = QColor(Qt::red);
        QTest::newRow("check") << "check" << QVariant(132) << stored << stored;
        QTest::newRow("image") << "image" << QVariant(132) << stored << stored;
        QTest::newRow("instr") << "instr" << QVariant(int(Qt::AlignRight)) << stored << stored;
        QTest::newRow("item") << "item" << QVariant(1) << QVariant(QColor(240, 240, 240))
                              << QVariant();
    }
    void alignmentAndBackground()
    {
        QFETCH(QString, kind);
        QFETCH(QVariant, alignment);
        QFETCH(QVariant, oddBackground);
        QFETCH(QVariant, evenBackground);
        QScopedPointer<QStandardItemModel> model(makeModel(kind, 4));
        for (int c = 0; c < 4; ++c) {
            QCOMPARE(model->data(model->index(2, c), Qt::TextAlignmentRole).toInt(),
                     alignment.toInt());
            QCOMPARE(model->data(model->index(1, c), Qt::BackgroundRole), oddBackground);
            QCOMPARE(model->data(model->index(3, c), Qt::BackgroundRole), oddBackground);
            QCOMPARE(model->data(model->index(0, c), Qt::BackgroundRole), evenBackground);
        }
        QCOMPARE(model->data(model->index(1, 2), Qt::DisplayRole).toString(), QString("r1c2"));
    }

    // The check column of the three check-list models: a row reads as checked or not.
    void checkColumn_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("written");
        QTest::addColumn<bool>("result");
        QTest::addColumn<int>("read");
        for (const QString kind : {"check", "image"}) {
            const QByteArray k = kind.toLatin1();
            QTest::addRow("%s checked", k.data()) << kind << 1 << 2 << true << 2;
            QTest::addRow("%s partial stores 0", k.data()) << kind << 1 << 1 << true << 0;
            QTest::addRow("%s unchecked", k.data()) << kind << 2 << 0 << true << 0;
        }
        QTest::newRow("instr stores nothing") << "instr" << 1 << 2 << true << 0;
        QTest::newRow("instr last row") << "instr" << 2 << 2 << true << 0;
    }
    void checkColumn()
    {
        QFETCH(QString, kind);
        QFETCH(int, row);
        QFETCH(int, written);
        QFETCH(bool, result);
        QFETCH(int, read);
        QScopedPointer<QStandardItemModel> model(makeModel(kind, 3));
        QMyCheckColumnModel *checks = checksOf(model.data());
        const QModelIndex index = model->index(row, 0);
        QCOMPARE(model->setData(index, written, Qt::CheckStateRole), result);
        QCOMPARE(model->data(index, Qt::CheckStateRole).toInt(), read);
        QCOMPARE(int(checks->checkState(row)), read);
        QCOMPARE(checks->checkStates().size(), 3);
        // The owner may set checks directly, and the model reads them.
        checks->setCheckState(row, Qt::Checked);
        QCOMPARE(model->data(index, Qt::CheckStateRole).toInt(), 2);
        QCOMPARE(checks->checkedCount(), 1);
        QCOMPARE(checks->nextChecked(), row);
        QCOMPARE(checks->nextChecked(row + 1), -1);
        // A partial check of an item reads as unchecked.
        QCOMPARE(model->data(model->index(0, 0), Qt::CheckStateRole).toInt(), 0);
        // A row that does not exist reads as unchecked and takes no check.
        checks->setCheckState(3, Qt::Checked);
        checks->setCheckState(-1, Qt::Checked);
        QCOMPARE(checks->checkState(3), Qt::Unchecked);
        QCOMPARE(model->rowCount(), 3);
    }

    // A check goes and comes with its row.
    void checksFollowTheirRows()
    {
        QMyImageItemModel model;
        for (int r = 0; r < 4; ++r)
            model.setItem(r, 1, new QStandardItem(QString::number(r)));
        model.setCheckState(1, Qt::Checked);
        model.setCheckState(3, Qt::Checked);
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        model.setCheckState(2, Qt::Checked);
        QCOMPARE(changed.count(), 1);
        model.removeRow(2);
        QCOMPARE(model.checkStates(),
                 (QList<Qt::CheckState> {Qt::Unchecked, Qt::Checked, Qt::Checked}));
        model.insertRow(0);
        QCOMPARE(model.checkStates(),
                 (QList<Qt::CheckState> {Qt::Unchecked, Qt::Unchecked, Qt::Checked, Qt::Checked}));
        model.setAllCheckStates(Qt::Unchecked);
        QCOMPARE(model.checkedCount(), 0);
        model.setAllCheckStates(Qt::Checked);
        QCOMPARE(model.checkedCount(), 4);
    }

    void checkStateOfOtherColumnsIsStored_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("check") << "check";
        QTest::newRow("image") << "image";
        QTest::newRow("instr") << "instr";
    }
    void checkStateOfOtherColumnsIsStored()
    {
        QFETCH(QString, kind);
        QScopedPointer<QStandardItemModel> model(makeModel(kind, 2));
        QCOMPARE(model->data(model->index(0, 1), Qt::CheckStateRole).toInt(),
                 int(Qt::PartiallyChecked));
    }

    void itemModelShowsStoredCheckState()
    {
        QScopedPointer<QStandardItemModel> model(makeModel("item", 2));
        QCOMPARE(model->data(model->index(0, 0), Qt::CheckStateRole).toInt(),
                 int(Qt::PartiallyChecked));
        QVERIFY(model->setData(model->index(0, 0), 2, Qt::CheckStateRole));
        QCOMPARE(model->data(model->index(0, 0), Qt::CheckStateRole).toInt(),
                 int(Qt::PartiallyChecked));
    }

    void edits_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("role");
        QTest::addColumn<int>("column");
        QTest::addColumn<bool>("result");
        QTest::addColumn<QString>("text");
        QTest::newRow("check edit not stored") << "check" << 2 << 1 << true << "r0c1";
        QTest::newRow("check display role") << "check" << 0 << 1 << true << "r0c1";
        QTest::newRow("image edit not stored") << "image" << 2 << 3 << true << "r0c3";
        QTest::newRow("item edit not stored") << "item" << 2 << 0 << true << "r0c0";
        QTest::newRow("instr edit read-only column") << "instr" << 2 << 1 << true << "new";
        QTest::newRow("instr edit") << "instr" << 2 << 3 << true << "new";
        QTest::newRow("instr display role") << "instr" << 0 << 3 << false << "r0c3";
        QTest::newRow("instr check role elsewhere") << "instr" << 10 << 2 << false << "r0c2";
    }
    void edits()
    {
        QFETCH(QString, kind);
        QFETCH(int, role);
        QFETCH(int, column);
        QFETCH(bool, result);
        QFETCH(QString, text);
        QScopedPointer<QStandardItemModel> model(makeModel(kind, 2));
        const QModelIndex index = model->index(0, column);
        QCOMPARE(model->setData(index, QString("new"), role), result);
        QCOMPARE(model->data(index, Qt::DisplayRole).toString(), text);
    }

    void instrEditOfEmptyCellCreatesItem()
    {
        QMyInstrTableModel model;
        model.setRowCount(2);
        model.setColumnCount(4);
        QVERIFY(!model.item(1, 3));
        QVERIFY(model.setData(model.index(1, 3), "BL(20);", Qt::EditRole));
        QVERIFY(model.item(1, 3));
        QCOMPARE(model.item(1, 3)->text(), QString("BL(20);"));
    }

    void clearAll_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("check") << "check";
        QTest::newRow("instr") << "instr";
    }
    void clearAll()
    {
        QFETCH(QString, kind);
        QScopedPointer<QStandardItemModel> model(makeModel(kind, 3));
        model->setHorizontalHeaderLabels({"", "A", "B"});
        if (auto *m = qobject_cast<QMyCheckStandardItemModel *>(model.data()))
            m->clearAll();
        else
            qobject_cast<QMyInstrTableModel *>(model.data())->clearAll();
        QCOMPARE(model->rowCount(), 0);
        QCOMPARE(model->columnCount(), 0);
        QVERIFY(!model->headerData(1, Qt::Horizontal).isValid());
        QVERIFY(checksOf(model.data())->checkStates().isEmpty());
    }
};

QTEST_MAIN(TestTableModels)
#include "tst_tablemodels.moc"
