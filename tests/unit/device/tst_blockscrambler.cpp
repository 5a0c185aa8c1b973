#include "Hid_Thread.h"

#include <QRandomGenerator>
#include <QTest>

#include <array>

using Block = std::array<uchar, 8>;

class BlockScramblerTest : public QObject
{
    Q_OBJECT
private slots:
    void scramblesTheWorkedExampleWithTheZeroCode();
    void unscrambleUndoesScrambleForRandomBlocksAndCodes();
    void checksumIsTheComplementOfTheSumOfSevenBytes();

private:
    Hid_Thread link;
};

void BlockScramblerTest::scramblesTheWorkedExampleWithTheZeroCode()
{
    // Steps 1-3 give 30 28 40 38 10 08 20 18; step 4 adds the nibble-swapped key "TaKvuDol".
    Block block = {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08};
    Block code = {};
    link.USBDataEncryption(block.data(), code.data());
    QCOMPARE(block, (Block{0x75, 0x3E, 0xF4, 0x9F, 0x67, 0x4C, 0x16, 0xDE}));
    link.USBDataDecipher(block.data(), code.data());
    QCOMPARE(block, (Block{0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08}));

    // The key byte 'K' (0x4B) enters as 0xB4: a zero block keeps only the key.
    Block zero = {};
    link.USBDataEncryption(zero.data(), code.data());
    QCOMPARE(zero[2], uchar(0xB4));
}

void BlockScramblerTest::unscrambleUndoesScrambleForRandomBlocksAndCodes()
{
    QRandomGenerator random(20240611);
    for (int i = 0; i < 5000; ++i) {
        Block block;
        Block code;
        for (int j = 0; j < 8; ++j) {
            block[j] = uchar(random.bounded(256));
            code[j] = uchar(random.bounded(256));
        }
        Block work = block;
        link.USBDataEncryption(work.data(), code.data());
        link.USBDataDecipher(work.data(), code.data());
        QCOMPARE(work, block);
    }
}

void BlockScramblerTest::checksumIsTheComplementOfTheSumOfSevenBytes()
{
    Block a = {0x80, 0x00, 0x00, 0x00, 0x00, 0x55, 0xAA, 0x00};
    QCOMPARE(link.hidCS(a.data()), uchar(0x80));
    Block b = {0x0F, 0xAA, 0x55, 0xCC, 0x33, 0xBB, 0x99, 0xEE};
    QCOMPARE(link.hidCS(b.data()), uchar(0x9E));
    // Byte 7 is not part of the sum.
    b[7] = 0x00;
    QCOMPARE(link.hidCS(b.data()), uchar(0x9E));
    Block zero = {};
    QCOMPARE(link.hidCS(zero.data()), uchar(0xFF));
}

QTEST_GUILESS_MAIN(BlockScramblerTest)
#include "tst_blockscrambler.moc"
