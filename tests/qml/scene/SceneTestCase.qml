import QtQuick
import QtTest

// A test case that builds a fresh scene over fresh stand-ins for every test.
TestCase {
    id: testCase

    property var scene: null
    readonly property var view: ui_View
    readonly property var ctl: ui_Ctl
    readonly property var sceneComponent: Qt.createComponent("qrc:/modules/qml/main.qml")

    // Canned data for the next scene; a test may change the stand-in before calling start().
    function resetStandIns() {
        ui_View.calls = []
        ui_View.apConfig = []
        ui_View.apConfigDefaults = []
        ui_View.skinShow = true
        ui_View.hwMode = 0
        ui_View.currentProfile = 0
        ui_View.ledTypeX = [2, 63, 3]
        ui_View.strings = ({})
        ui_View.customFilePath = ""
        ui_View.groups = ({})
        ui_View.autostart = false
        ui_View.autostartWritable = true
        ui_Ctl.calls = []
    }

    function build() {
        verify(sceneComponent.status === Component.Ready, sceneComponent.errorString())
        scene = createTemporaryObject(sceneComponent, testCase)
        verify(scene !== null)
        return scene
    }

    // Builds the scene and runs its start-up as the program does, unlocked at the end.
    function start() {
        build()
        scene.setProtectUI(1)
        scene.initUI()
        scene.setProtectUI(0)
        scene.run()
        tryCompare(scene, "busy", false)
        ui_View.calls = []
        return scene
    }

    function item(name) {
        return findChild(scene, name)
    }

    // Centre of `target` in the scene's coordinates.
    function centre(target) {
        return target.mapToItem(scene, target.width / 2, target.height / 2)
    }

    function clickOn(target, button) {
        var p = centre(target)
        mouseClick(scene, p.x, p.y, button === undefined ? Qt.LeftButton : button)
    }

    function init() {
        resetStandIns()
    }

    when: windowShown
    visible: true
    width: 1000
    height: 600

    ViewStandIn {
        id: ui_View
    }

    CtlStandIn {
        id: ui_Ctl
    }
}
