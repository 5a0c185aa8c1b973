.pragma library

function profileLabel(profile) {
    return "P" + String(profile + 1).padStart(2, "0")
}

// Entry 0 leaves the keyboard as it is, entries 1..4 are the profiles.
function defaultChoices(leaveText) {
    return [leaveText, profileLabel(0), profileLabel(1), profileLabel(2), profileLabel(3)]
}

function copy(rules) {
    return {
        enabled: rules.enabled === true,
        defaultProfile: Number(rules.defaultProfile),
        rules: (rules.rules || []).map(rule => ({ application: rule.application, profile: Number(rule.profile) }))
    }
}

function indexOf(rules, application) {
    var name = application.trim().toLowerCase()
    return rules.rules.findIndex(rule => rule.application.toLowerCase() === name)
}

// A rule for an application that has one changes its profile instead of repeating it.
function withRule(rules, application, profile) {
    var result = copy(rules)
    var name = application.trim()
    if (name === "")
        return result
    var index = indexOf(result, name)
    if (index >= 0)
        result.rules[index].profile = profile
    else
        result.rules.push({ application: name, profile: profile })
    return result
}

function withoutRule(rules, index) {
    var result = copy(rules)
    result.rules.splice(index, 1)
    return result
}
