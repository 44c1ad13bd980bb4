// Renders one section of a skin, or one skinned control in a given state, to a PNG,
// offscreen, for skin authors and reviewers.
//
// Usage: skinpreview --section <NAME> [--state 0|1|2] [--size WxH] [--skin <folder>] -o <file.png>
//        skinpreview --control TsButton|TsBitBtn [--state normal|hot|pressed|focused|disabled]
//                    [--size WxH] [--caption <text>] [--glyph <picture>] [--skin <folder>] -o <file.png>
//        skinpreview --message <text> [--kind warning|error|information|confirmation|custom]
//                    [--skin <folder>] -o <file.png>
//        skinpreview --system-menu [--skin <folder>] -o <file.png>
// Without --skin the program's stored skin is used. Exit code 0 on success, 1 when the
// section or control is unknown or the picture cannot be written, 2 for wrong arguments.

#include "skin/SkinLookups.h"
#include "skin/SkinMessage.h"
#include "skin/StoredSkinText.h"
#include "skin/TsSkinData.h"
#include "skin/TsSkinManager.h"
#include "skin/TsSkinableMenus.h"
#include "skin/controls/TsBitBtn.h"
#include "skin/controls/TsButton.h"
#include "skin/controls/TsMessageForm.h"
#include "skin/controls/TsSystemMenu.h"
#include "skin/paint/PaintSection.h"
#include "tools/common/CommandLine.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QTextStream>

#include <memory>

namespace {

QSize parseSize(const QString& text, QSize fallback)
{
    const QStringList parts = text.split(QLatin1Char('x'));
    if (parts.size() != 2)
        return fallback;
    bool okW = false, okH = false;
    const int w = parts[0].toInt(&okW), h = parts[1].toInt(&okH);
    return okW && okH && w > 0 && h > 0 && w <= 4096 && h <= 4096 ? QSize(w, h) : fallback;
}

// Loads the stored skin, or the external one in `folder`, as the process's current skin.
void loadSkin(TsSkinManager& manager, const QString& folder)
{
    if (folder.isEmpty()) {
        manager.SetInternalSkins(builtInStoredSkins());
        manager.SetSkinName(QStringLiteral("Golden (internal)"));
    } else {
        const QFileInfo info(folder);
        manager.SetSkinDirectory(info.absoluteDir().absolutePath() + QLatin1Char('/'));
        manager.SetSkinName(info.fileName());
    }
    manager.Loaded();
}

QImage renderSection(const QString& name, int state, QSize size)
{
    const int index = FindSectionIndex(name);
    if (index < 0)
        return {};
    Bitmap24 picture(size.width(), size.height());
    PaintWholeSection(TsSkinData::instance().tables, index, name, picture, {}, state, true, EmptyParentCache());
    return picture.toImage();
}

// The control's face as a screen of `scale` is given it (device pixels, text drawn at the
// screen's resolution).
QImage renderControl(const QString& kind, const QString& state, QSize size, const QString& caption,
                     const QString& glyph, double scale)
{
    QWidget form;
    form.resize(size + QSize(20, 20));
    std::unique_ptr<TsButton> owner;
    TsButton* button = nullptr;
    if (kind == QLatin1String("TsBitBtn")) {
        auto* bit = new TsBitBtn(&form);
        if (!glyph.isEmpty()) {
            bit->setIcon(QIcon(glyph));
            bit->setIconSize(QImage(glyph).size().boundedTo(size));
        }
        button = bit;
    } else if (kind == QLatin1String("TsButton")) {
        button = new TsButton(&form);
    } else {
        return {};
    }
    button->setGeometry(QRect(QPoint(10, 10), size));
    button->setText(caption);
    form.show();
    if (state == QLatin1String("hot"))
        button->SkinData.MouseInside = true;
    else if (state == QLatin1String("pressed"))
        button->SetDown(true);
    else if (state == QLatin1String("focused"))
        button->setFocus();
    else if (state == QLatin1String("disabled"))
        button->setEnabled(false);
    if (state == QLatin1String("focused"))
        button->SkinData.HasFocus = true;
    button->PrepareCache(scale);
    QImage image = button->SkinData.ScreenPicture().convertToFormat(QImage::Format_ARGB32);
    image.setDevicePixelRatio(1.0);
    // The corners cut out of the button's outline are transparent in the picture.
    const QRegion mask = button->mask();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (!mask.isEmpty() && !mask.contains(QPoint(int(x / scale), int(y / scale))))
                image.setPixel(x, y, qRgba(0, 0, 0, 0));
    return image;
}

// The skin engine's message box as it is shown, with the corners cut by its frame clear.
QImage renderMessage(const QString& text, const QString& kindName)
{
    const QStringList kinds = {QStringLiteral("warning"), QStringLiteral("error"), QStringLiteral("information"),
                               QStringLiteral("confirmation"), QStringLiteral("custom")};
    const qsizetype index = kinds.indexOf(kindName.isEmpty() ? QStringLiteral("error") : kindName);
    if (index < 0)
        return {};
    const auto kind = Dialogs::MessageKind(index);
    const Dialogs::MessageButtons buttons =
        kind == Dialogs::MessageKind::Confirmation ? Dialogs::mbYes | Dialogs::mbNo : Dialogs::mbOK;
    TsMessageForm form(text, kind, buttons);
    form.show();
    QApplication::processEvents();
    QImage image = form.grab().toImage().convertToFormat(QImage::Format_ARGB32);
    const QRegion mask = form.mask();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (!mask.isEmpty() && !mask.contains(QPoint(x, y)))
                image.setPixel(x, y, qRgba(0, 0, 0, 0));
    return image;
}

// A form's system menu with the skin-selection submenu, drop-downs skinned, "Move" hot.
QImage renderSystemMenu(TsSkinManager& manager)
{
    manager.SetSkinnedPopups(true);
    if (!manager.SkinableMenus())
        return {};
    manager.SkinableMenus()->SetActive(true);
    TsSystemMenu menu;
    menu.Refresh(TsBorderStyle::bsSizeable, TsBorderIcons(), TsWindowState::wsNormal);
    menu.RebuildSkinMenu(&manager);
    manager.SkinableMenus()->SkinPopupMenu(&menu, true);
    menu.popup(QPoint(0, 0));
    menu.setActiveAction(menu.action(TsSystemMenu::ItemMove));
    QApplication::processEvents();
    return menu.grab().toImage();
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    QTextStream err(stderr);
    const auto takeOption = [&](const QString& name) { return CommandLine::takeOption(args, name); };
    const QString section = takeOption(QStringLiteral("--section"));
    const QString control = takeOption(QStringLiteral("--control"));
    const QString state = takeOption(QStringLiteral("--state"));
    const QString sizeText = takeOption(QStringLiteral("--size"));
    const QString caption = takeOption(QStringLiteral("--caption"));
    const QString glyph = takeOption(QStringLiteral("--glyph"));
    const QString skin = takeOption(QStringLiteral("--skin"));
    const QString message = takeOption(QStringLiteral("--message"));
    const QString kind = takeOption(QStringLiteral("--kind"));
    const QString scaleText = takeOption(QStringLiteral("--scale"));
    const double scale = scaleText.isEmpty() ? 1.0 : scaleText.toDouble();
    const bool systemMenu = args.removeAll(QStringLiteral("--system-menu")) > 0;
    const QString output = takeOption(QStringLiteral("-o"));
    const int modes = int(!section.isEmpty()) + int(!control.isEmpty()) + int(!message.isEmpty()) + int(systemMenu);
    if (!args.isEmpty() || output.isEmpty() || modes != 1 || scale < 1.0 || scale > 4.0) {
        err << "usage: skinpreview --section <NAME> [--state 0|1|2] [--size WxH] [--skin <folder>] -o <file.png>\n"
               "       skinpreview --control TsButton|TsBitBtn [--state normal|hot|pressed|focused|disabled]\n"
               "                   [--size WxH] [--caption <text>] [--glyph <picture>] [--scale 1..4]\n"
               "                   [--skin <folder>] -o <file.png>\n"
               "       skinpreview --message <text> [--kind warning|error|information|confirmation|custom]\n"
               "                   [--skin <folder>] -o <file.png>\n"
               "       skinpreview --system-menu [--skin <folder>] -o <file.png>\n";
        return 2;
    }
    TsSkinManager manager;
    loadSkin(manager, skin);
    if (!TsSkinData::instance().SkinReady) {
        err << "skinpreview: the skin could not be loaded\n";
        return 1;
    }
    const QImage image = systemMenu           ? renderSystemMenu(manager)
                         : !message.isEmpty() ? renderMessage(message, kind)
                         : section.isEmpty()
                             ? renderControl(control, state.isEmpty() ? QStringLiteral("normal") : state,
                                             parseSize(sizeText, {75, 25}), caption, glyph, scale)
                             : renderSection(section, state.toInt(), parseSize(sizeText, {75, 25}));
    if (image.isNull()) {
        err << "skinpreview: no such "
            << (!message.isEmpty() ? "kind: " + kind : section.isEmpty() ? "control: " + control : "section: " + section) << '\n';
        return 1;
    }
    if (!image.save(output)) {
        err << "skinpreview: cannot write " << output << '\n';
        return 1;
    }
    return 0;
}
