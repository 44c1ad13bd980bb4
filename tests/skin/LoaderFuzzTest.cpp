// Mutated skin texts and pictures: the loaders and lookups must neither crash nor hang, and
// what they load must keep the tables' invariants.
#include "common/FuzzRun.h"
#include "common/ScriptedDialogs.h"
#include "skin/SkinChecker.h"
#include "skin/SkinError.h"
#include "skin/SkinLoaders.h"
#include "skin/SkinLookups.h"
#include "skin/SkinPictures.h"
#include "skin/SkinValues.h"
#include "skin/StoredSkinText.h"
#include "skin/paint/PaintBorder.h"
#include "skin/paint/PaintImagePiece.h"
#include "skin/paint/TsParentCache.h"
#include "skin/TsSkinData.h"

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

// Pieces of an options file are clamped when read; those of a stored skin are taken as
// stored (the painting guards them).
void expectInvariants(const TsSkinTables& t, bool clampedPieces = true)
{
    for (const TsMaskData& m : t.masks) {
        EXPECT_EQ(m.SectionName, m.SectionName.toUpper());
        EXPECT_EQ(m.PropertyName, m.PropertyName.toUpper());
        if (clampedPieces && !m.hasOwnPicture()) {
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

// Every piece painted in every state as a picture and as a border, large and tiny: a
// piece reaching outside its picture must be clipped, never read out of bounds.
void paintEveryPiece(const TsSkinTables& t)
{
    Bitmap24 canvas(64, 48);
    for (const TsMaskData& piece : t.masks) {
        for (int state = -1; state <= 3; ++state) {
            DrawImagePiece(t, canvas, state * 7, state * 5, state, piece, state & 1);
            PaintBorderMask(t, canvas, {-3, 2, 70, 30}, true, state, piece, EmptyParentCache());
            PaintBorderMask(t, canvas, {10, 10, 11, 12}, state > 1, state, piece, EmptyParentCache());
        }
    }
}

TEST(LoaderFuzz, MutatedOptionsFilesLoadOrFailCleanly)
{
    FuzzFolder folder;
    ScriptedDialogs dialogs;
    const FuzzRun fuzz(800, 20261209);
    Mutator mutator(fuzz.seed());
    int loaded = 0, failed = 0;
    for (int round = 0; round < fuzz.rounds(); ++round) {
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
        if (round % 10 == 0)
            paintEveryPiece(t);
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
    std::printf("Options.dat: %d inputs (seed %u), %d loaded, %d refused\n", fuzz.rounds(), fuzz.seed(), loaded, failed);
    EXPECT_GT(loaded, fuzz.rounds() / 3); // most mutations still load
    EXPECT_GT(failed, 0);                 // and some hit an unreadable gradient word
}

TEST(LoaderFuzz, RandomValueStrings)
{
    const FuzzRun fuzz(20000, 7);
    Mutator mutator(fuzz.seed());
    const QString gradientAlphabet = QStringLiteral("0123456789;;;- $xF");
    for (int round = 0; round < fuzz.rounds(); ++round) {
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
    QList<QPair<QString, QByteArray>> seeds;
    for (const char* name : {"master.bmp", "big.jpg"})
        seeds.append({QString::fromLatin1(name), FuzzRun::readFile(folder.file(QString::fromLatin1(name)))});
    for (const char* kind : {"bmp", "jpeg"}) {
        const QDir dir(QStringLiteral(VESTRON_SOURCE_DIR "/tests/corpus/") + QLatin1String(kind));
        for (const QString& name : dir.entryList(QDir::Files, QDir::Name))
            seeds.append({name, FuzzRun::readFile(dir.filePath(name))});
    }
    ASSERT_GE(seeds.size(), 11);
    FuzzRun fuzz(1200, 99);
    const QString target = folder.file(QStringLiteral("damaged"));
    int loaded = 0;
    for (int round = 0; round < fuzz.rounds(); ++round) {
        const auto& [name, original] = seeds[round % seeds.size()];
        QFile out(target);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(fuzz.mutate(original));
        out.close();
        const Bitmap24 picture = name.endsWith(QLatin1String(".bmp")) ? SkinPictures::loadBmp(target)
                                                                      : SkinPictures::loadJpeg(target);
        if (!picture.isNull()) {
            ++loaded;
            ASSERT_GT(picture.width(), 0) << name.toStdString() << " round " << round;
            ASSERT_GE(picture.stride(), picture.width() * 3);
        }
    }
    std::printf("skin pictures: %d inputs (seed %u), %d loaded\n", fuzz.rounds(), fuzz.seed(), loaded);
    EXPECT_GT(loaded, 0);
}

// Our text form of a stored skin, mutated: it parses with issues or not at all, and the
// skin it gives loads into tables that keep their invariants.
TEST(LoaderFuzz, MutatedStoredSkinTexts)
{
    QTemporaryDir folder;
    ASSERT_TRUE(QFile::copy(QStringLiteral(VESTRON_SOURCE_DIR "/resources/skins/golden.bmp"),
                            folder.filePath(QStringLiteral("golden.bmp"))));
    const QString seed = QString::fromUtf8(FuzzRun::readFile(QStringLiteral(VESTRON_SOURCE_DIR "/resources/skins/golden.skin")));
    ASSERT_FALSE(seed.isEmpty());
    const FuzzRun fuzz(240, 4242);
    Mutator mutator(fuzz.seed());
    ScriptedDialogs dialogs;
    int withIssues = 0;
    for (int round = 0; round < fuzz.rounds(); ++round) {
        const QString text = mutator.mutate(seed);
        SkinIssues issues;
        TsStoredSkins skins{StoredSkinText::parse(SkinIniFile::fromText(text), folder.path(), &issues)};
        withIssues += issues.empty() ? 0 : 1;
        TsSkinTables t;
        const SkinLoadSource source{nullptr, QString(), &skins, skins.front().Name, nullptr};
        LoadImageTable(t, source);
        LoadPatternTable(t, source);
        LoadSectionTable(t, source);
        expectInvariants(t, false);
        lookEverywhere(t);
        if (round % 3 == 0)
            paintEveryPiece(t);
        if (HasFailure())
            FAIL() << "round " << round;
    }
    std::printf("stored skin text: %d inputs (seed %u), %d with issues\n", fuzz.rounds(), fuzz.seed(), withIssues);
    EXPECT_GT(withIssues, 0);
}

} // namespace
