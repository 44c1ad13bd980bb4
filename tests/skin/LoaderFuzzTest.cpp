// Mutated skin texts and pictures: the loaders and lookups must neither crash nor hang, and
// what they load must keep the tables' invariants.
#include "common/ScriptedDialogs.h"
#include "skin/SkinChecker.h"
#include "skin/SkinError.h"
#include "skin/SkinLoaders.h"
#include "skin/SkinLookups.h"
#include "skin/SkinPictures.h"
#include "skin/SkinValues.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <random>

namespace {

const char* const kSeedOptions = R"([GLOBALINFO]
VERSION=4.5
MASTERBITMAP=master.bmp
COLOR=8239058
[BUTTON]
PARENTCLASS=BASE
BORDERSMASK=# (0,0,30,20) (3,1)
GLYPHMASK=# (10,10,40,30) (3,1,2)
GRADIENTDATA=16777215;11462640;20;0;0;11462640;9356501;50;0;0
HOTGRADIENTDATA=?
FONTCOLOR=1258566
TCRIGHT=16777215
SHOWFOCUS=TRUE
[BASE]
PARENTCLASS=LOOP
COLOR=255
BEVEL=3
PATTERN=big.jpg
HOTPATTERN=small.jpg
[LOOP]
PARENTCLASS=button
COLOR=-1
GRIPIMAGE=glyph.bmp
BICONCLOSE=broken.bmp
[SELF]
PARENTCLASS=SELF
SHADOWCOLOR=$FF
)";

const char* const kSeedCommon = "[EXTRA]\nPARENTCLASS=BUTTON\nPATTERN=small.jpg\nBORDERSMASK=#(1,1,5,5)(1,0)\n";

class Mutator
{
public:
    explicit Mutator(uint32_t seed) : m_random(seed) {}

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }

    QString mutate(QString text)
    {
        static const QString alphabet = QStringLiteral("[]=#;(),$-+0123456789 ?\n\r\tAaXx.BMPJPG:/\\ЖЯ");
        static const QStringList tokens = {
            QStringLiteral("-1"), QStringLiteral("2147483648"), QStringLiteral("$FFFFFFFF"),
            QStringLiteral("99999999999"), QStringLiteral("PARENTCLASS=BUTTON"), QStringLiteral("PARENTCLASS=LOOP"),
            QStringLiteral("[TSEDIT]"), QStringLiteral("#"), QStringLiteral("# (-5,-5,100000,100000) (0,-1,-1)"),
            QStringLiteral("master.bmp"), QStringLiteral("big.jpg"), QStringLiteral("broken.jpg"),
            QStringLiteral("/nonexistent/x.bmp"), QStringLiteral("C:\\x.bmp"), QStringLiteral(";;;;;"),
            QStringLiteral("[GLOBALINFO]"), QStringLiteral("\n[NEW]\n"), QStringLiteral("=")};
        const int edits = 1 + below(6);
        for (int i = 0; i < edits; ++i) {
            const int at = text.isEmpty() ? 0 : below(int(text.size()));
            switch (below(5)) {
            case 0:
                text.insert(at, alphabet[below(int(alphabet.size()))]);
                break;
            case 1:
                text.remove(at, 1 + below(12));
                break;
            case 2:
                text.insert(at, tokens[below(int(tokens.size()))]);
                break;
            case 3: {
                QStringList lines = text.split(QLatin1Char('\n'));
                if (lines.size() > 1)
                    lines.swapItemsAt(below(int(lines.size())), below(int(lines.size())));
                text = lines.join(QLatin1Char('\n'));
                break;
            }
            default:
                text.insert(at, text.mid(below(int(text.size()) + 1), below(40)));
                break;
            }
        }
        return text;
    }

    QString randomWords(int maxLength, const QString& alphabet)
    {
        QString s;
        const int length = below(maxLength + 1);
        for (int i = 0; i < length; ++i)
            s += alphabet[below(int(alphabet.size()))];
        return s;
    }

private:
    std::mt19937 m_random;
};

class FuzzFolder
{
public:
    FuzzFolder()
    {
        EXPECT_TRUE(m_dir.isValid());
        picture(QStringLiteral("master.bmp"), 60, 40, "BMP");
        picture(QStringLiteral("glyph.bmp"), 9, 4, "BMP");
        picture(QStringLiteral("broken.bmp"), 30, 30, "BMP");
        QFile(file(QStringLiteral("broken.bmp"))).resize(300);
        picture(QStringLiteral("big.jpg"), 300, 300, "JPG");
        picture(QStringLiteral("small.jpg"), 20, 20, "JPG");
        picture(QStringLiteral("broken.jpg"), 300, 300, "JPG");
        QFile(file(QStringLiteral("broken.jpg"))).resize(200);
    }

    QString path() const { return m_dir.path() + QLatin1Char('/'); }
    QString file(const QString& name) const { return QDir(m_dir.path()).filePath(name); }

    void picture(const QString& name, int w, int h, const char* format)
    {
        QImage image(w, h, QImage::Format_RGB32);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                image.setPixel(x, y, qRgb(x * 7, y * 5, (x ^ y) & 0xFF));
        ASSERT_TRUE(image.save(file(name), format));
    }

private:
    QTemporaryDir m_dir;
};

void expectInvariants(const TsSkinTables& t)
{
    for (const TsMaskData& m : t.masks) {
        EXPECT_EQ(m.SectionName, m.SectionName.toUpper());
        EXPECT_EQ(m.PropertyName, m.PropertyName.toUpper());
        if (!m.hasOwnPicture()) {
            EXPECT_GE(m.ImageCount, 1);
            EXPECT_GE(m.MaskType, 0);
            EXPECT_GE(m.BorderWidth, 0);
        }
    }
    for (const TsPatternData& p : t.patterns)
        EXPECT_GT(p.Image.width(), 0);
    for (const TsGeneralData& g : t.sections) {
        for (const TsGradientStep& step : g.Gradient)
            EXPECT_LE(step.Percent, 100);
    }
}

// Every lookup of every section ends, whatever the parent chains.
void lookEverywhere(const TsSkinTables& t)
{
    for (std::size_t i = 0; i < t.sections.size(); ++i) {
        const QString& name = t.sections[i].SectionName;
        for (const char* property : {"BORDERSMASK", "GLYPHMASK", "PATTERN", "HOTPATTERN"}) {
            const int image = FindImageIndex(t, int(i), name, QString::fromLatin1(property));
            EXPECT_LT(image, int(t.masks.size()));
            const int pattern = FindPatternIndex(t, int(i), name, QString::fromLatin1(property));
            EXPECT_LT(pattern, int(t.patterns.size()));
        }
        EXPECT_GE(FindSectionIndex(t.sections, name), 0);
    }
    GlobalSkinColor(t.sections);
}

TEST(LoaderFuzz, MutatedOptionsFilesLoadOrFailCleanly)
{
    FuzzFolder folder;
    ScriptedDialogs dialogs;
    Mutator mutator(20261209);
    int loaded = 0, failed = 0;
    for (int round = 0; round < 3000; ++round) {
        const QString text = mutator.mutate(QString::fromUtf8(kSeedOptions));
        const SkinIniFile options = SkinIniFile::fromText(text);
        const SkinIniFile common = SkinIniFile::fromCommonSections(
            mutator.mutate(QString::fromLatin1(kSeedCommon)).split(QLatin1Char('\n')));
        TsSkinTables t;
        const SkinLoadSource source{&options, folder.path(), nullptr, QString(), round % 2 ? &common : nullptr};
        LoadImageTable(t, source);
        LoadPatternTable(t, source);
        try {
            LoadSectionTable(t, source);
            ++loaded;
        } catch (const SkinError&) {
            ++failed;
        }
        expectInvariants(t);
        lookEverywhere(t);
        if (round % 50 == 0) {
            QFile file(folder.file(QStringLiteral("Options.dat")));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(text.toUtf8());
            file.close();
            SkinChecker::checkFolder(folder.path());
        }
        if (HasFailure())
            FAIL() << "round " << round << ":\n" << text.toStdString();
    }
    EXPECT_GT(loaded, 1000); // most mutations still load
    EXPECT_GT(failed, 0);    // and some hit an unreadable gradient word
}

TEST(LoaderFuzz, RandomValueStrings)
{
    Mutator mutator(7);
    const QString gradientAlphabet = QStringLiteral("0123456789;;;- $xF");
    for (int round = 0; round < 20000; ++round) {
        const QString text = mutator.randomWords(70, gradientAlphabet);
        const qsizetype words = text.split(QLatin1Char(';'), Qt::SkipEmptyParts).size();
        try {
            const TsGradArray steps = ParseGradientData(text);
            ASSERT_EQ(qsizetype(steps.size()), words / 5) << text.toStdString();
            for (const TsGradientStep& step : steps)
                ASSERT_LE(step.Percent, 100);
        } catch (const SkinError&) {
        }
        try {
            parseFontColors(mutator.randomWords(30, QStringLiteral("0123456789 -x")));
        } catch (const SkinError&) {
        }
        if (const std::optional<TsMaskData> piece = parsePieceValue(mutator.randomWords(40, QStringLiteral("#(), 0123456789-$x")))) {
            ASSERT_GE(piece->ImageCount, 1);
            ASSERT_GE(piece->MaskType, 0);
            ASSERT_GE(piece->BorderWidth, 0);
        }
    }
}

TEST(LoaderFuzz, DamagedPictureFiles)
{
    FuzzFolder folder;
    Mutator mutator(99);
    for (const char* name : {"master.bmp", "big.jpg"}) {
        QFile source(folder.file(QString::fromLatin1(name)));
        ASSERT_TRUE(source.open(QIODevice::ReadOnly));
        const QByteArray original = source.readAll();
        const QString target = folder.file(QStringLiteral("damaged"));
        for (int round = 0; round < 400; ++round) {
            QByteArray bytes = original;
            if (round % 2)
                bytes.truncate(mutator.below(int(bytes.size())));
            for (int flips = mutator.below(8); flips > 0 && !bytes.isEmpty(); --flips)
                bytes[mutator.below(int(bytes.size()))] = char(mutator.below(256));
            QFile out(target);
            ASSERT_TRUE(out.open(QIODevice::WriteOnly));
            out.write(bytes);
            out.close();
            const Bitmap24 picture = QByteArray(name).endsWith(".bmp") ? SkinPictures::loadBmp(target)
                                                                       : SkinPictures::loadJpeg(target);
            if (!picture.isNull()) {
                ASSERT_GT(picture.width(), 0);
                ASSERT_GE(picture.stride(), picture.width() * 3);
            }
        }
    }
}

} // namespace
