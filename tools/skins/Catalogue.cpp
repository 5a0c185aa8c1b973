#include "Catalogue.h"

#include "Chrome.h"
#include "Controls.h"
#include "KeyboardArt.h"
#include "Panels.h"

namespace Catalogue {
namespace {

using Icons::Kind;

// A two-state picture: name_0.png normal, name_1.png highlighted.
void twoState(QList<Picture> &list, const QString &name, const std::function<QImage(bool)> &draw)
{
    list.append({name + QStringLiteral("_0.png"), [draw] { return draw(false); }});
    list.append({name + QStringLiteral("_1.png"), [draw] { return draw(true); }});
}

} // namespace

QList<Picture> pictures(const Theme &t, const QList<KeyRow> &keys, const QMap<int, QSize> &caps)
{
    QList<Picture> list;
    list.append({QStringLiteral("background.png"), [t] { return Chrome::background(t); }});
    list.append({QStringLiteral("keyboard.png"),
                 [t, keys, caps] { return KeyboardArt::keyboard(keys, caps, t); }});

    twoState(list, QStringLiteral("frame/web"), [t](bool lit) { return Chrome::logo(t, lit); });
    list.append({QStringLiteral("frame/frameBackground.png"),
                 [t] { return Chrome::frameBackground(t); }});
    list.append(
            {QStringLiteral("frame/decoration1.png"), [t] { return Chrome::decorationLine(t); }});
    list.append(
            {QStringLiteral("frame/decoration2.png"), [t] { return Chrome::decorationCorner(t); }});

    list.append({QStringLiteral("list_up/cmdBg.png"), [t] { return Chrome::commandBackground(t); }});
    list.append({QStringLiteral("list_up/listUpContainer.png"), [t] { return Chrome::topBar(t); }});
    twoState(list, QStringLiteral("list_up/applicationSetting"),
             [t](bool lit) { return Chrome::windowButton(t, Kind::Gear, lit); });
    twoState(list, QStringLiteral("list_up/applicationMinimize"),
             [t](bool lit) { return Chrome::windowButton(t, Kind::Minimize, lit); });
    twoState(list, QStringLiteral("list_up/applicationClose"),
             [t](bool lit) { return Chrome::windowButton(t, Kind::Close, lit); });

    list.append({QStringLiteral("list_dn/listDownButtonBg.png"),
                 [t] { return Chrome::bottomButton(t); }});
    list.append(
            {QStringLiteral("list_dn/listDnContainer.png"), [t] { return Chrome::bottomBar(t); }});

    list.append({QStringLiteral("list_pf/listPfContainer.png"),
                 [t] { return Chrome::profileContainer(t); }});
    twoState(list, QStringLiteral("list_pf/profileFW"),
             [t](bool lit) { return Chrome::profileEntry(t, lit); });

    twoState(list, QStringLiteral("list_fn/listFnBtn"),
             [t](bool lit) { return Chrome::functionEntry(t, lit); });
    twoState(list, QStringLiteral("list_fn/fnKeydefine"),
             [t](bool lit) { return Chrome::functionIcon(t, Kind::Keycap, lit); });
    twoState(list, QStringLiteral("list_fn/fnMacro"),
             [t](bool lit) { return Chrome::functionIcon(t, Kind::Macro, lit); });
    twoState(list, QStringLiteral("list_fn/fnColor"),
             [t](bool lit) { return Chrome::functionIcon(t, Kind::Colours, lit); });

    static const Kind keycap = Kind::Keycap, macro = Kind::Macro, colours = Kind::Colours;
    list.append({QStringLiteral("list_center/globalsettingBackground.png"),
                 [t] { return Panels::settings(t); }});
    list.append({QStringLiteral("list_center/fnColorBackground.png"),
                 [t] { return Panels::page(t, &colours); }});
    list.append({QStringLiteral("list_center/fnKeydefineBackground.png"),
                 [t] { return Panels::page(t, &keycap); }});
    list.append({QStringLiteral("list_center/fnMacroBackground.png"),
                 [t] { return Panels::page(t, &macro); }});
    list.append({QStringLiteral("list_center/fnCommonBackground.png"),
                 [t] { return Panels::page(t, nullptr); }});

    list.append({QStringLiteral("model_ms/model_M3_Color.png"),
                 [t] { return Panels::mouse(t, true); }});
    list.append({QStringLiteral("model_ms/model_M3_KeyDefine.png"),
                 [t] { return Panels::mouse(t, false); }});

    const QList<int> eightTicks = {21, 37, 53, 69, 85, 101, 119, 133};
    QList<int> elevenTicks;
    for (int i = 0; i < 11; ++i)
        elevenTicks.append(12 + i * 19);
    list.append({QStringLiteral("common/slider_BASE.png"),
                 [t, eightTicks] { return Controls::sliderBase(t, 154, eightTicks); }});
    twoState(list, QStringLiteral("common/slider_FILLER"),
             [t](bool lit) { return Controls::sliderFiller(t, 154, lit); });
    list.append({QStringLiteral("common/slider_11_BASE.png"),
                 [t, elevenTicks] { return Controls::sliderBase(t, 214, elevenTicks); }});
    twoState(list, QStringLiteral("common/slider_11_FILLER"),
             [t](bool lit) { return Controls::sliderFiller(t, 214, lit); });
    list.append({QStringLiteral("common/sliderBG.png"), [t] { return Controls::sliderPlate(t); }});
    list.append(
            {QStringLiteral("common/keyboardLogo.png"), [t] { return Controls::keyboardLogo(t); }});
    list.append({QStringLiteral("common/draw_line.png"), [t] { return Controls::rule(t); }});
    list.append({QStringLiteral("common/resetBtn.png"),
                 [t] { return Controls::roundIconButton(t, Kind::Reset); }});
    list.append({QStringLiteral("common/settingBtn.png"),
                 [t] { return Controls::roundIconButton(t, Kind::Gear); }});
    list.append({QStringLiteral("common/steelBG.png"), [] { return Controls::steel(); }});
    list.append({QStringLiteral("common/filelist_BASE.png"), [t] { return Controls::fileList(t); }});
    list.append({QStringLiteral("common/btnFileListFrame.png"),
                 [t] { return Controls::fileListRow(t); }});
    list.append({QStringLiteral("common/btnFrame.png"), [t] { return Controls::buttonFrame(t); }});
    list.append({QStringLiteral("common/draw_inputValue.png"),
                 [t] { return Controls::inputField(t); }});
    list.append({QStringLiteral("common/draw_paletteIndex.png"),
                 [t] { return Controls::paletteIndex(t); }});
    list.append(
            {QStringLiteral("common/draw_palette.png"), [t] { return Controls::paletteFrame(t); }});
    twoState(list, QStringLiteral("common/checkbox"),
             [t](bool on) { return Controls::checkbox(t, on); });
    twoState(list, QStringLiteral("common/reset"),
             [t](bool lit) { return Controls::textButton(t, false, lit); });
    twoState(list, QStringLiteral("common/apply"),
             [t](bool lit) { return Controls::textButton(t, true, lit); });
    list.append(
            {QStringLiteral("common/fram_2btn.png"), [t] { return Controls::twoButtonFrame(t); }});

    const QList<QPair<QString, Kind>> tools = {{QStringLiteral("add"), Kind::Plus},
                                               {QStringLiteral("delete"), Kind::Minus},
                                               {QStringLiteral("record"), Kind::Record},
                                               {QStringLiteral("stop"), Kind::Stop},
                                               {QStringLiteral("solid-delete"), Kind::Trash},
                                               {QStringLiteral("solid-cut"), Kind::Scissors},
                                               {QStringLiteral("solid-paste"), Kind::Paste},
                                               {QStringLiteral("solid-copy"), Kind::Copy}};
    for (const auto &tool : tools) {
        const Kind icon = tool.second;
        twoState(list, QStringLiteral("common/") + tool.first,
                 [t, icon](bool lit) { return Controls::toolButton(t, icon, lit); });
    }

    list.append({QStringLiteral("common/btnGroup_4_BASE.png"),
                 [t] { return Controls::groupBase(t, 200, 4); }});
    list.append({QStringLiteral("common/btnGroup_8_BASE.png"),
                 [t] { return Controls::groupBase(t, 320, 8); }});
    twoState(list, QStringLiteral("common/btnGroup_FILLER"),
             [t](bool lit) { return Controls::groupFiller(t, 50, lit); });
    twoState(list, QStringLiteral("common/btnGroup2_FILLER"),
             [t](bool lit) { return Controls::groupFiller(t, 40, lit); });

    for (auto it = caps.begin(); it != caps.end(); ++it) {
        const QSize size = it.value();
        const int type = it.key();
        const QString base = QStringLiteral("model_kb/k%1-").arg(type);
        list.append({base + QStringLiteral("0.png"),
                     [t, size, type] { return KeyboardArt::cap(size, type, t); }});
        list.append({base + QStringLiteral("1.png"),
                     [t, size] { return KeyboardArt::frame(size, t); }});
    }
    return list;
}

} // namespace Catalogue
