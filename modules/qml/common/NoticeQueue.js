.pragma library

// The notes waiting after `text` is asked for while `shown` is on screen: a note
// already shown or waiting is not repeated, and past `limit` the oldest give way.
function enqueue(waiting, shown, text, limit) {
    if (text === "" || text === shown || waiting.indexOf(text) >= 0)
        return waiting
    var next = waiting.concat([text])
    return next.slice(Math.max(0, next.length - limit))
}
