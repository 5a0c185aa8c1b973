import QtQuick

// The area in which one page at a time slides in: 0 keys, 1 macros, 2 lighting.
Item {
    id: area

    property int openPage: -1
    // The page to open once the running closing slide has ended.
    property int nextPage: -1
    // Set once the pages have been initialised; the lighting preview follows visibility only after that.
    property bool built: false
    readonly property alias keyPage: page_Keydefine
    readonly property alias macroPage: page_Macro
    readonly property alias colorPage: page_Color
    readonly property bool sliding: openSlide.running || closeSlide.running

    function show(index) {
        ui_View.playMedia_Index(2)
        if (closeSlide.running) {
            nextPage = index
            closeSlide.complete()
        } else if (openSlide.running) {
            nextPage = index
            openPage = index
            openSlide.complete()
        } else if (index < 0) {
            nextPage = -1
            closeSlide.start()
        } else if (nextPage < 0) {
            nextPage = index
            openPage = index
            openSlide.start()
        } else {
            nextPage = index
            closeSlide.start()
        }
    }

    function closingEnded() {
        openPage = nextPage
        if (openPage >= 0)
            openSlide.start()
    }

    x: 127
    y: 96
    width: 792
    height: 442
    clip: true

    Item {
        id: content

        x: -2 * area.width
        width: area.width
        height: area.height

        Page_Keydefine {
            id: page_Keydefine

            visible: area.openPage === 0
            isGameMode: true
        }

        Page_Macro {
            id: page_Macro

            y: 46
            visible: area.openPage === 1
        }

        Page_Color {
            id: page_Color

            visible: area.openPage === 2
            onVisibleChanged: {
                if (area.built)
                    playEffect(visible)
            }
        }
    }

    NumberAnimation {
        id: openSlide

        target: content
        property: "x"
        from: -2 * area.width
        to: 0
        duration: 0.5 * animation_speed
        easing.type: Easing.OutCubic
    }

    NumberAnimation {
        id: closeSlide

        target: content
        property: "x"
        from: 0
        to: -2 * area.width
        duration: 0.5 * animation_speed
        easing.type: Easing.InCubic
        onFinished: area.closingEnded()
    }
}
