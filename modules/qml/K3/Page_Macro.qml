import QtQuick
import "../common"
import "MacroSteps.js" as Steps

// The macro editor: pick a macro file, record and edit its steps, manage the files.
// Every change of the steps is written to the macro file at once.
Item {
    id: page

    // Positions of the page's texts in the interface string list.
    readonly property var stringIds: ({
        macroTitle: 44, actionTitle: 45, recordTitle: 115, record: 100, stop: 58, remove: 80, cut: 81,
        paste: 82, copy: 83, keyField: 101, keyEmpty: 102, pauseField: 103,
        load: 84, save: 85, rename: 112, cancel: 78
    })
    readonly property int blockCapacity: 128
    // The page sits 46 px down in the page area; its panels use the area's full height.
    readonly property int contentTop: -32
    property bool isRecordStart: false
    property string scrapbook: ""
    property bool isUnlimitedCopy: false
    property alias delayValue: pauseField.delay
    // Current rows of the two lists, -1 for none.
    property int macroRow: -1
    property int stepRow: -1
    property bool isKeyFieldArmed: false
    // Stored name of the key in the key field, "" when empty.
    property string keyFieldName: ""
    property int renamingRow: -1
    property int menuRow: -1
    property var menuTexts: ["LOAD", "SAVE", "RENAME", "CANCEL"]
    property int encodedSize: 4
    readonly property bool hasMacro: macroRow >= 0
    readonly property bool hasStep: stepRow >= 0 && stepRow < actionModel.count

    function uiText(id) {
        var list = globalSetting_stringList
        return list && id < list.length ? String(list[id]) : ""
    }

    function initUI() {
        reloadMacroList([currentMacroName()])
    }

    function translateStrings() {
        menuTexts = [uiText(stringIds.load), uiText(stringIds.save), uiText(stringIds.rename),
                     uiText(stringIds.cancel)]
    }

    function controlMenu() {
        contextMenu.close()
        finishRename(true)
        if (pauseField.editing)
            pauseField.finishEntry()
    }

    function currentMacroName() {
        return hasMacro ? macroModel.get(macroRow).textX : null
    }

    function macroNames() {
        var names = []
        for (var i = 0; i < macroModel.count; ++i)
            names.push(macroModel.get(i).textX)
        return names
    }

    // Refills the macro list from the macro folder and selects the first of
    // `preferred` that still exists; the steps go when the selection goes.
    function reloadMacroList(preferred) {
        var names = Steps.namesFromFiles(ui_View.getMacroIniNames())
        macroModel.clear()
        for (var i = 0; i < names.length; ++i)
            macroModel.append({ textX: names[i], textR: "" })
        var row = -1
        for (var p = 0; p < preferred.length && row < 0; ++p)
            row = Steps.indexOfName(names, preferred[p])
        macroRow = row
        if (row < 0)
            clearSteps()
        else
            Qt.callLater(() => macroList.positionViewAtIndex(macroRow, ListView.Contain))
    }

    function selectMacro(row) {
        if (renamingRow >= 0)
            finishRename(false)
        macroRow = row
        loadSteps()
    }

    function clearSteps() {
        actionModel.clear()
        stepRow = -1
        updateEncodedSize()
    }

    function loadSteps() {
        actionModel.clear()
        stepRow = -1
        if (hasMacro) {
            // One append for all rows: a damaged file may hold tens of thousands.
            actionModel.append(Steps.rowsFromSteps(ui_View.loadMacroIni(currentMacroName()), layout, enTosp))
        }
        updateEncodedSize()
    }

    function allSteps() {
        var rows = []
        for (var i = 0; i < actionModel.count; ++i)
            rows.push(actionModel.get(i))
        return Steps.stepsFromRows(rows)
    }

    function saveSteps() {
        updateEncodedSize()
        if (!hasMacro)
            return
        // The file is the truth: a step list that could not be stored is not shown.
        if (!ui_View.saveMacroIni(currentMacroName(), allSteps()))
            clearSteps()
    }

    function updateEncodedSize() {
        encodedSize = Steps.encodedSize(allSteps(), function (name) {
            return keyCodeString.strTokeycode(name)
        })
    }

    function record() {
        clearSteps()
        if (hasMacro)
            isRecordStart = true
    }

    function stop() {
        isRecordStart = false
        saveSteps()
    }

    // A key pressed or released on the keyboard (root signal msg_KB).
    function keyEvent(isDown, usbCode) {
        var name = Steps.usableKeyName(keyCodeString.keycodeTostr(usbCode), layout, enTosp)
        if (isKeyFieldArmed) {
            keyFieldName = name === undefined ? "" : name
            isKeyFieldArmed = false
        }
        if (isRecordStart && name !== undefined) {
            actionModel.append(Steps.recordedRow(isDown, name, layout, enTosp))
            stepList.positionViewAtEnd()
            updateEncodedSize()
        }
    }

    function insertRows(rows) {
        var at = Steps.insertionIndex(stepRow, actionModel.count)
        for (var i = 0; i < rows.length; ++i)
            actionModel.insert(at + i, rows[i])
        // The selected step stays selected; new steps go in front of it.
        if (hasStep)
            stepRow += rows.length
        stepList.positionViewAtIndex(at + rows.length - 1, ListView.Contain)
        saveSteps()
    }

    function removeCurrentStep() {
        actionModel.remove(stepRow)
        stepRow = Math.min(stepRow, actionModel.count - 1)
    }

    function deleteStep() {
        if (!hasStep)
            return
        removeCurrentStep()
        saveSteps()
    }

    function cutStep() {
        if (!hasStep)
            return
        scrapbook = Steps.stepOfRow(actionModel.get(stepRow))
        isUnlimitedCopy = false
        removeCurrentStep()
        saveSteps()
    }

    function copyStep() {
        if (!hasStep)
            return
        scrapbook = Steps.stepOfRow(actionModel.get(stepRow))
        isUnlimitedCopy = true
    }

    function pasteStep() {
        if (scrapbook === "" || !hasMacro)
            return
        var row = Steps.rowFromStep(scrapbook, layout, enTosp)
        scrapbook = Steps.scrapbookAfterPaste(scrapbook, isUnlimitedCopy)
        insertRows([row])
    }

    function armKeyField() {
        keyFieldName = ""
        isKeyFieldArmed = !isKeyFieldArmed
    }

    function addKey() {
        if (!hasMacro || keyFieldName === "")
            return
        insertRows(Steps.keyRows(keyFieldName, layout, enTosp))
    }

    function addPause() {
        pauseField.finishEntry()
        if (hasMacro)
            insertRows([Steps.pauseRow(delayValue)])
    }

    function openMenu(row) {
        var item = macroList.itemAtIndex(row)
        if (!item)
            return
        menuRow = row
        var at = item.mapToItem(page, item.width - 12, 0)
        contextMenu.x = at.x
        contextMenu.y = Math.min(at.y, page.height - contextMenu.height - 4)
        contextMenu.open()
    }

    function menuChosen(index) {
        var name = macroModel.get(menuRow).textX
        if (index === 0) {
            ui_View.loadMacroIniFromFile(name)
            if (menuRow === macroRow)
                loadSteps()
        } else if (index === 1) {
            ui_View.saveMacroIniToFile(name)
        } else if (index === 2) {
            renamingRow = menuRow
        }
    }

    // Ends the inline rename. The list is read back from the folder, so it
    // never shows a name whose rename failed; the renamed macro is selected, wherever
    // its new name sorts.
    function finishRename(accept) {
        if (renamingRow < 0)
            return
        var row = renamingRow
        var item = macroList.itemAtIndex(row)
        var oldName = macroModel.get(row).textX
        var newName = item ? item.editedText : oldName
        renamingRow = -1
        if (!accept || !Steps.renameAllowed(oldName, newName, macroNames()))
            return
        var current = currentMacroName()
        ui_View.renameMacroIniFile(oldName, newName)
        reloadMacroList([newName, oldName, current])
        if (currentMacroName() !== current)
            loadSteps()
    }

    width: 792
    height: 396
    onVisibleChanged: {
        if (visible)
            return
        // Keys typed on other pages must not end up in a macro.
        if (isRecordStart)
            stop()
        isKeyFieldArmed = false
        controlMenu()
    }

    ListModel {
        id: macroModel
    }

    ListModel {
        id: actionModel
    }

    Connections {
        target: mainK3

        function onMsg_KB(isDown, usbCode) {
            page.keyEvent(isDown, usbCode)
        }
    }

    // The picture covers the whole page area, above which the page sits 46 px down.
    Image {
        id: background

        y: -46
        width: 792
        height: 442
        source: skinPath + "list_center/fnMacroBackground.png"
        // Hidden at start: decoded off the GUI thread while the window comes up.
        asynchronous: true
    }

    MacroPanel {
        id: macroPanel

        x: 12
        y: page.contentTop
        width: 200
        height: parent.height - 10 - page.contentTop
        title: page.uiText(page.stringIds.macroTitle)
        enabled: !page.isRecordStart

        ListView {
            id: macroList

            objectName: "macroList"

            anchors.fill: parent
            anchors.rightMargin: 10
            clip: true
            spacing: 2
            boundsBehavior: Flickable.StopAtBounds
            model: macroModel

            delegate: MacroNameRow {
                id: nameRow

                required property int index
                required property string textX

                width: macroList.width
                name: textX
                selected: index === page.macroRow
                renaming: index === page.renamingRow
                marked: index === page.menuRow && contextMenu.opened
                onClicked: page.selectMacro(index)
                onRightClicked: page.openMenu(index)
                onRenameAccepted: page.finishRename(true)
                onRenameAbandoned: page.finishRename(false)
            }
        }

        MacroScrollBar {
            anchors.right: parent.right
            anchors.top: parent.top
            anchors.bottom: parent.bottom
            anchors.rightMargin: 2
            flickable: macroList
        }
    }

    MacroPanel {
        id: actionPanel

        x: 224
        y: page.contentTop
        width: 336
        height: parent.height - 10 - page.contentTop
        title: page.uiText(page.stringIds.actionTitle)
        note: actionModel.count
        accented: page.isRecordStart

        ListView {
            id: stepList

            objectName: "stepList"

            anchors.fill: parent
            anchors.rightMargin: 10
            anchors.bottomMargin: 14
            clip: true
            spacing: 2
            boundsBehavior: Flickable.StopAtBounds
            model: actionModel

            delegate: MacroStepRow {
                required property int index
                required property string textX
                required property string textR

                width: stepList.width
                number: index + 1
                value: textX
                tag: textR
                selected: index === page.stepRow
                onClicked: page.stepRow = index
            }
        }

        MacroScrollBar {
            anchors.right: parent.right
            anchors.top: parent.top
            anchors.bottom: stepList.bottom
            anchors.rightMargin: 2
            flickable: stepList
        }

        // Without a macro there is nothing to measure.
        MacroCapacityBar {
            objectName: "capacityBar"
            visible: page.hasMacro
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.bottom: parent.bottom
            anchors.margins: 4
            used: page.encodedSize
            capacity: page.blockCapacity
        }
    }

    MacroPanel {
        id: recordPanel

        x: 572
        y: page.contentTop
        width: 208
        height: 136
        title: page.uiText(page.stringIds.recordTitle)
        note: page.isRecordStart ? "\u25CF" : ""
        noteColor: "#ff3b3b"
        noteBlinks: page.isRecordStart
        accented: page.isRecordStart

        Row {
            anchors.centerIn: parent
            spacing: 36

            MacroToolButton {
                id: recordButton

                objectName: "recordButton"
                width: 40
                height: 40
                picture: skinPath + "common/record"
                tip: page.uiText(page.stringIds.record)
                enabled: page.hasMacro && !page.isRecordStart
                onClicked: page.record()
            }

            MacroToolButton {
                id: stopButton

                objectName: "stopButton"
                width: 40
                height: 40
                picture: skinPath + "common/stop"
                tip: page.uiText(page.stringIds.stop)
                enabled: page.isRecordStart
                onClicked: page.stop()
            }
        }
    }

    MacroPanel {
        id: editPanel

        x: 572
        y: recordPanel.y + recordPanel.height + 10
        width: 208
        height: 70
        enabled: !page.isRecordStart

        Row {
            anchors.centerIn: parent
            spacing: 16

            MacroToolButton {
                objectName: "deleteButton"
                picture: skinPath + "common/solid-delete"
                tip: page.uiText(page.stringIds.remove)
                enabled: page.hasStep
                onClicked: page.deleteStep()
            }

            MacroToolButton {
                objectName: "cutButton"
                picture: skinPath + "common/solid-cut"
                tip: page.uiText(page.stringIds.cut)
                enabled: page.hasStep
                onClicked: page.cutStep()
            }

            MacroToolButton {
                objectName: "pasteButton"
                picture: skinPath + "common/solid-paste"
                tip: page.uiText(page.stringIds.paste)
                enabled: page.scrapbook !== "" && page.hasMacro
                onClicked: page.pasteStep()
            }

            MacroToolButton {
                objectName: "copyButton"
                picture: skinPath + "common/solid-copy"
                tip: page.uiText(page.stringIds.copy)
                enabled: page.hasStep
                onClicked: page.copyStep()
            }
        }
    }

    MacroPanel {
        id: insertPanel

        x: 572
        y: editPanel.y + editPanel.height + 10
        width: 208
        height: parent.height - 10 - y
        enabled: !page.isRecordStart

        Column {
            anchors.centerIn: parent
            spacing: 22

            Row {
                spacing: 8

                MacroKeyField {
                    id: keyField

                    objectName: "keyField"
                    width: 152
                    prefix: page.uiText(page.stringIds.keyField)
                    emptyText: page.uiText(page.stringIds.keyEmpty)
                    label: page.keyFieldName === "" ? "" : Steps.shownName(page.keyFieldName, layout, enTosp)
                    armed: page.isKeyFieldArmed
                    onClicked: page.armKeyField()
                }

                MacroToolButton {
                    objectName: "addKeyButton"
                    anchors.verticalCenter: keyField.verticalCenter
                    width: 30
                    height: 30
                    picture: skinPath + "common/add"
                    enabled: page.hasMacro && page.keyFieldName !== ""
                    onClicked: page.addKey()
                }
            }

            Row {
                spacing: 8

                MacroPauseField {
                    id: pauseField

                    objectName: "pauseField"
                    width: 152
                    prefix: page.uiText(page.stringIds.pauseField)
                }

                MacroToolButton {
                    objectName: "addPauseButton"
                    anchors.verticalCenter: pauseField.verticalCenter
                    width: 30
                    height: 30
                    picture: skinPath + "common/add"
                    enabled: page.hasMacro
                    onClicked: page.addPause()
                }
            }
        }
    }

    ContextMenu {
        id: contextMenu

        objectName: "contextMenu"

        model: page.menuTexts
        onTriggered: index => page.menuChosen(index)
    }
}
