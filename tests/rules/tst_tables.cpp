#include "ui/rules/DecodeTables.h"
#include "ui/rules/ModeTables.h"
#include "ui/rules/RateTables.h"

#include <QTest>

using namespace marulo;

namespace {

struct Named {
    const char* name;
    const RateTable* table;
};

const Named Tables[] = {
    {"mode", &ModeTables::Rates},
    {"rate", &RateTables::Rules},
    {"decode", &DecodeTables::Rates},
};

// The one place the tables differ on purpose: leaving decode mode in MP3
// leaves the quality label disabled unless "VBR" is checked, while the "ABR"
// box itself enables it.
bool KnownDifference(const char* a, const char* b, const RateRow& row, std::size_t column)
{
    const bool decodeAndRate = (QByteArray(a) == "decode" && QByteArray(b) == "rate") ||
                               (QByteArray(a) == "rate" && QByteArray(b) == "decode");
    return decodeAndRate && row.mode == EncodeMode::Mp3 && row.rate != Rate::Vbr && RateColumns[column][0] == Ctl::LT4;
}

} // namespace

class TablesTest : public QObject {
    Q_OBJECT

private slots:
    void columnsInOneOrder();
    void overlappingCellsAgree();
};

void TablesTest::columnsInOneOrder()
{
    QStringList names;
    for (const Group& group : RateColumns) {
        QStringList members;
        for (Ctl control : group)
            if (control != Ctl::None)
                members << QString::fromLatin1(ControlName(control).data(), qsizetype(ControlName(control).size()));
        names << members.join(QLatin1Char('+'));
    }
    QCOMPARE(names,
             (QStringList{"CB1", "CB8", "LT1+ComB1", "LT2+ComB2", "LT3+ComB3", "LT4", "ComB4", "ComB6", "E3+UD3"}));
    for (const Named& named : Tables)
        QCOMPARE(named.table->columns, RateColumns);
}

void TablesTest::overlappingCellsAgree()
{
    int compared = 0;
    for (const Named& a : Tables) {
        for (const Named& b : Tables) {
            if (&a == &b)
                continue;
            for (const RateRow& row : a.table->rows) {
                const RateRow* other = b.table->find(row.mode, row.rate);
                if (!other)
                    continue;
                for (std::size_t column = 0; column < RateColumnCount; ++column) {
                    const Cell mine = row.cells[column];
                    const Cell theirs = other->cells[column];
                    if (mine == Cell::keep || theirs == Cell::keep || KnownDifference(a.name, b.name, row, column))
                        continue;
                    ++compared;
                    if (mine != theirs)
                        QFAIL(qPrintable(QStringLiteral("%1 and %2 differ in mode %3, rate %4, column %5")
                                             .arg(a.name, b.name)
                                             .arg(int(row.mode))
                                             .arg(int(row.rate))
                                             .arg(column)));
                }
            }
        }
    }
    QVERIFY(compared > 100);
}

QTEST_APPLESS_MAIN(TablesTest)
#include "tst_tables.moc"
