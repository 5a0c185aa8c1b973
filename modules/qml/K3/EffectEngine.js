.pragma library
.import "ColorLogic.js" as Logic

// Software preview of the keyboard's lighting effects. The engine works on plain
// arrays: one red, green, blue and opacity value (0..255) per key, in key order.
// Each tick first shows the keys from the current counter, loop position, rings
// and runs, then advances them. Nothing is allocated per tick.

var SPIRAL1 = [0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 27, 43, 59, 74, 73, 57, 41];
var SPIRAL2 = [115, 109, 100, 79, 95, 94, 91, 90, 89, 88, 72, 56, 40, 25, 26, 42, 58];
var SPOT_CENTRE = [57, 41, 42, 58];
var RING_SLOTS = 3;
var RING_STEP = 15;
var RING_END = 700;
var SHIFT_STEP = 16;
var POSITIONS = 128;

function clamp255(v) {
    return v < 0 ? 0 : (v > 255 ? 255 : v);
}

// keys: [{x, y, width, height, position}], x/y the top left corner.
function Engine(keys) {
    var n = keys.length;
    this.count = n;
    this.cx = Logic.filled(n, 0);
    this.cy = Logic.filled(n, 0);
    this.positions = Logic.filled(n, -1);
    this.indexOfPosition = Logic.filled(POSITIONS, -1);
    for (var i = 0; i < n; ++i) {
        var k = keys[i];
        this.cx[i] = k.x + k.width / 2;
        this.cy[i] = k.y + k.height / 2;
        this.positions[i] = k.position;
        if (k.position >= 0 && k.position < POSITIONS)
            this.indexOfPosition[k.position] = i;
    }
    this.buildOrders(keys);
    this.buildRows(keys);
    this.gradient3 = this.buildGradient(3);
    this.gradient4 = this.buildGradient(4);
    this.spiral1 = this.keysAt(SPIRAL1);
    this.spiral2 = this.keysAt(SPIRAL2);
    this.buildSpotCentre();

    this.r = Logic.filled(n, 0);
    this.g = Logic.filled(n, 0);
    this.b = Logic.filled(n, 0);
    this.a = Logic.filled(n, 0);

    // Settings the page keeps in step with its controls.
    this.level = 7;
    this.colourIndex = 6;
    this.palette = Logic.DEFAULT_PALETTE.slice();
    this.direction = 1;
    this.picture = null;
    this.random = Math.random;

    this.code = Logic.NO_EFFECT;
    this.counter = 0;
    this.loopPos = 0;
    this.ringX = Logic.filled(RING_SLOTS, 0);
    this.ringY = Logic.filled(RING_SLOTS, 0);
    this.ringR = Logic.filled(RING_SLOTS, 0);
    this.ringOn = Logic.filled(RING_SLOTS, false);
    this.nextRing = 0;
    this.spotR = 0;
    this.runs = [];
    this.lr = 0;
    this.lg = 0;
    this.lb = 0;
}

Engine.prototype.buildOrders = function (keys) {
    var self = this;
    var idx = [];
    for (var i = 0; i < this.count; ++i)
        idx.push(i);
    this.orderX = idx.slice().sort(function (p, q) { return self.cx[p] - self.cx[q] || p - q; });
    this.orderY = idx.slice().sort(function (p, q) { return self.cy[p] - self.cy[q] || p - q; });
};

// Row script of the wave and the ripple: rows from the top, a new row where a
// centre is lower than the previous centre plus half that key's height; rows run
// left to right and right to left in turn; -1 marks the end of a row.
Engine.prototype.buildRows = function (keys) {
    var rows = [];
    var row = [];
    var prev = -1;
    for (var i = 0; i < this.orderY.length; ++i) {
        var k = this.orderY[i];
        if (prev >= 0 && this.cy[k] > this.cy[prev] + keys[prev].height / 2) {
            rows.push(row);
            row = [];
        }
        row.push(k);
        prev = k;
    }
    if (row.length > 0)
        rows.push(row);

    this.rows = [];
    this.script = [];
    this.rowOf = Logic.filled(this.count, -1);
    this.slotInRow = Logic.filled(this.count, -1);
    for (var r = 0; r < rows.length; ++r) {
        var sorted = rows[r].slice().sort(function (p, q) { return keys[p].x - keys[q].x || p - q; });
        if (r % 2 === 1)
            sorted.reverse();
        for (var s = 0; s < sorted.length; ++s) {
            this.rowOf[sorted[s]] = r;
            this.slotInRow[sorted[s]] = s;
            this.script.push(sorted[s]);
        }
        this.script.push(-1);
        this.rows.push(sorted);
    }
};

Engine.prototype.buildGradient = function (bands) {
    var out = Logic.filled(3 * this.count, 0);
    if (this.count === 0)
        return out;
    var first = this.cx[this.orderX[0]];
    var span = this.cx[this.orderX[this.count - 1]] - first;
    for (var i = 0; i < this.count; ++i) {
        var t = span > 0 ? bands * (this.cx[i] - first) / span : 0;
        var c;
        if (t <= 1)
            c = [255 * (1 - t), 255 * t, 0];
        else if (t <= 2)
            c = [0, 255 * (2 - t), 255 * (t - 1)];
        else if (t <= 3)
            c = bands === 3 ? [255 * (t - 2), 0, 255 * (3 - t)] : [0, 255 * (t - 2), 255 * (3 - t)];
        else
            c = [255 * (t - 3), 255 * (4 - t), 0];
        out[3 * i] = Math.floor(c[0]);
        out[3 * i + 1] = Math.floor(c[1]);
        out[3 * i + 2] = Math.floor(c[2]);
    }
    return out;
};

Engine.prototype.keysAt = function (positions) {
    var out = [];
    for (var i = 0; i < positions.length; ++i)
        out.push(this.indexOfPosition[positions[i]]);
    return out;
};

Engine.prototype.buildSpotCentre = function () {
    var sx = 0, sy = 0, found = 0;
    for (var i = 0; i < SPOT_CENTRE.length; ++i) {
        var k = this.indexOfPosition[SPOT_CENTRE[i]];
        if (k >= 0) {
            sx += this.cx[k];
            sy += this.cy[k];
            ++found;
        }
    }
    if (found === 0) {
        for (var j = 0; j < this.count; ++j) {
            sx += this.cx[j];
            sy += this.cy[j];
        }
        found = Math.max(this.count, 1);
    }
    this.spotX = Math.round(sx / found);
    this.spotY = Math.round(sy / found);
};

Engine.prototype.opacityA = function () {
    return Logic.previewOpacity(this.level);
};

Engine.prototype.advanceLoop = function () {
    this.loopPos = (this.loopPos + 1) % 7;
};

// Picks the colour a key lights in: the loop colour with colour index 7
// (or when forced), else the chosen palette entry.
Engine.prototype.pickColour = function (forceLoop) {
    var i = (forceLoop || this.colourIndex === Logic.LOOP_INDEX) ? this.loopPos : this.colourIndex % 7;
    this.lr = Number(this.palette[3 * i]) || 0;
    this.lg = Number(this.palette[3 * i + 1]) || 0;
    this.lb = Number(this.palette[3 * i + 2]) || 0;
};

Engine.prototype.setKey = function (k, red, green, blue, opacity) {
    this.r[k] = red;
    this.g[k] = green;
    this.b[k] = blue;
    this.a[k] = opacity;
};

Engine.prototype.lightKey = function (k, opacity) {
    if (k >= 0)
        this.setKey(k, this.lr, this.lg, this.lb, opacity);
};

Engine.prototype.darkenAll = function () {
    for (var k = 0; k < this.count; ++k)
        this.setKey(k, 0, 0, 0, 0);
};

Engine.prototype.fadeAll = function (n) {
    var step = Math.round(this.opacityA() / n);
    for (var k = 0; k < this.count; ++k)
        this.a[k] = Math.max(this.a[k] - step, 0);
};

Engine.prototype.isLoop = function () {
    return this.colourIndex === Logic.LOOP_INDEX;
};

// Starts an effect: counter and loop position back to 0, then its preparation.
Engine.prototype.start = function (code) {
    this.code = code;
    this.counter = 0;
    this.loopPos = 0;
    this.nextRing = 0;
    this.spotR = 0;
    this.runs = [];
    for (var s = 0; s < RING_SLOTS; ++s)
        this.ringOn[s] = false;

    switch (code) {
    case 0x02: case 0x03: case 0x05: case 0x08: case 0x09: case 0x0B:
        this.darkenAll();
        break;
    case 0x04:
        this.showMarquee();
        break;
    case 0x06:
        this.loadGradient(this.gradient3);
        break;
    case 0x0A:
        this.loadGradient(this.gradient4);
        break;
    case 0x00:
        this.showStatic();
        break;
    default:
        if (Logic.isPicture(code))
            this.showPicture();
        else if (code === Logic.NO_EFFECT)
            this.darkenAll();
        break;
    }
};

// Shows the still effects again after a brightness, palette or picture change.
Engine.prototype.refresh = function () {
    if (this.code === 0x00)
        this.showStatic();
    else if (Logic.isPicture(this.code))
        this.showPicture();
};

Engine.prototype.showStatic = function () {
    var A = this.opacityA();
    for (var k = 0; k < this.count; ++k) {
        var c = Logic.staticColour(this.positions[k]);
        this.setKey(k, c[0], c[1], c[2], A);
    }
};

Engine.prototype.showPicture = function () {
    var A = this.opacityA();
    var p = this.picture;
    for (var k = 0; k < this.count; ++k) {
        var base = 3 * this.positions[k];
        if (p && base >= 0 && base + 2 < p.length)
            this.setKey(k, Number(p[base]) || 0, Number(p[base + 1]) || 0, Number(p[base + 2]) || 0, A);
        else
            this.setKey(k, 0, 0, 0, A);
    }
};

Engine.prototype.loadGradient = function (gradient) {
    var A = this.opacityA();
    for (var k = 0; k < this.count; ++k)
        this.setKey(k, gradient[3 * k], gradient[3 * k + 1], gradient[3 * k + 2], A);
};

Engine.prototype.showMarquee = function () {
    var A = this.opacityA();
    var P = this.palette;
    var step = Math.floor(this.counter / 5);
    var d = this.counter % 5;
    for (var k = 0; k < this.count; ++k) {
        var a = ((k % 7) + step) % 7;
        var b = (a + 1) % 7;
        this.setKey(k,
                    Math.floor(((Number(P[3 * a]) || 0) * (5 - d) + (Number(P[3 * b]) || 0) * d) / 5),
                    Math.floor(((Number(P[3 * a + 1]) || 0) * (5 - d) + (Number(P[3 * b + 1]) || 0) * d) / 5),
                    Math.floor(((Number(P[3 * a + 2]) || 0) * (5 - d) + (Number(P[3 * b + 2]) || 0) * d) / 5),
                    A);
    }
};

Engine.prototype.showAll = function (red, green, blue, opacity) {
    for (var k = 0; k < this.count; ++k)
        this.setKey(k, red, green, blue, opacity);
};

// Lights every key whose centre lies within r - 15 .. r of (x, y); with
// advancePerKey the loop position moves on after each lit key.
Engine.prototype.lightRing = function (x, y, radius, forceLoop, advancePerKey) {
    var inner = radius - RING_STEP;
    var inner2 = inner > 0 ? inner * inner : 0;
    var outer2 = radius * radius;
    var A = this.opacityA();
    for (var k = 0; k < this.count; ++k) {
        var dx = this.cx[k] - x;
        var dy = this.cy[k] - y;
        var d2 = dx * dx + dy * dy;
        if (d2 >= inner2 && d2 <= outer2) {
            this.pickColour(forceLoop);
            this.lightKey(k, A);
            if (advancePerKey)
                this.advanceLoop();
        }
    }
};

Engine.prototype.shiftGradient = function () {
    var right = this.direction !== 2;
    for (var k = 0; k < this.count; ++k) {
        var red = this.r[k], green = this.g[k], blue = this.b[k];
        if (right) {
            if (red === 255 || (red > 0 && blue > 0)) {
                red -= SHIFT_STEP; blue += SHIFT_STEP;
            } else if (green === 255 || (green > 0 && red > 0)) {
                green -= SHIFT_STEP; red += SHIFT_STEP;
            } else {
                blue -= SHIFT_STEP; green += SHIFT_STEP;
            }
        } else {
            if (red === 255 || (red > 0 && green > 0)) {
                red -= SHIFT_STEP; green += SHIFT_STEP;
            } else if (green === 255 || (green > 0 && blue > 0)) {
                green -= SHIFT_STEP; blue += SHIFT_STEP;
            } else {
                blue -= SHIFT_STEP; red += SHIFT_STEP;
            }
        }
        this.r[k] = clamp255(red);
        this.g[k] = clamp255(green);
        this.b[k] = clamp255(blue);
    }
};

Engine.prototype.tick = function () {
    var A = this.opacityA();
    var k;
    switch (this.code) {
    case 0x00:
        this.showStatic();
        if (this.isLoop())
            this.advanceLoop();
        break;
    case 0x01: {
        var rise = this.counter < 51 ? this.counter : 102 - this.counter;
        this.pickColour(false);
        this.showAll(this.lr, this.lg, this.lb, rise * 5 * this.level / 7);
        this.counter = (this.counter + 1) % 102;
        if (this.counter === 0)
            this.advanceLoop();
        break;
    }
    case 0x02:
        this.fadeAll(20);
        if (this.script.length === 0)
            break;
        this.pickColour(false);
        this.lightKey(this.script[this.counter], A);
        this.counter = (this.counter + 1) % this.script.length;
        while (this.script[this.counter] < 0) {
            this.advanceLoop();
            this.counter = (this.counter + 1) % this.script.length;
        }
        break;
    case 0x03:
        this.fadeAll(30);
        break;
    case 0x04:
        this.showMarquee();
        this.counter = (this.counter + 1) % 35;
        break;
    case 0x05:
        this.tickRipple(A);
        break;
    case 0x06: case 0x0A:
        for (k = 0; k < this.count; ++k)
            this.a[k] = A;
        this.shiftGradient();
        break;
    case 0x07: {
        var c = this.counter;
        if (c < 85)
            this.showAll(3 * (85 - c), 0, 3 * c, A);
        else if (c < 170)
            this.showAll(0, 3 * (c - 85), 3 * (170 - c), A);
        else
            this.showAll(3 * (c - 170), 3 * (255 - c), 0, A);
        this.counter = (this.counter + 1) % 255;
        break;
    }
    case 0x08:
        this.fadeAll(60);
        if (this.count > 0) {
            this.pickColour(false);
            this.lightKey(Math.min(Math.floor(this.random() * this.count), this.count - 1), A);
            if (this.isLoop())
                this.advanceLoop();
        }
        break;
    case 0x09:
        this.fadeAll(10);
        for (var s = 0; s < RING_SLOTS; ++s) {
            if (!this.ringOn[s])
                continue;
            this.lightRing(this.ringX[s], this.ringY[s], this.ringR[s], false, true);
            this.ringR[s] += RING_STEP;
            if (this.ringR[s] > RING_END)
                this.ringOn[s] = false;
        }
        break;
    case 0x0B:
        this.fadeAll(7);
        this.pickColour(true);
        if (this.counter < SPIRAL1.length) {
            this.lightKey(this.spiral1[this.counter], A);
            this.lightKey(this.spiral2[this.counter], A);
        } else {
            this.lightRing(this.spotX, this.spotY, this.spotR, true, false);
        }
        this.counter = (this.counter + 1) % 45;
        this.advanceLoop();
        this.spotR = this.counter > SPIRAL1.length && this.counter < 44 ? this.spotR + RING_STEP : 0;
        break;
    default:
        if (Logic.isPicture(this.code))
            this.showPicture();
        break;
    }
};

Engine.prototype.tickRipple = function (A) {
    for (var i = 0; i < this.runs.length; ++i) {
        var run = this.runs[i];
        var row = this.rows[run.row];
        this.pickColour(false);
        if (run.step === 0) {
            this.lightKey(row[run.centre], A);
        } else {
            var left = run.centre - run.step;
            var right = run.centre + run.step;
            if (left < 0 && right >= row.length) {
                // The ripple has left its row on both sides: its keys go dark.
                for (var j = 0; j < row.length; ++j)
                    this.a[row[j]] = 0;
                this.runs.splice(i, 1);
                --i;
                continue;
            }
            if (left >= 0)
                this.lightKey(row[left], A);
            if (right < row.length)
                this.lightKey(row[right], A);
            this.advanceLoop();
        }
        ++run.step;
    }
};

// A key went down on the keyboard: feeds the reactive effects.
Engine.prototype.press = function (position) {
    var k = position >= 0 && position < POSITIONS ? this.indexOfPosition[position] : -1;
    if (k < 0)
        return;
    switch (this.code) {
    case 0x03:
        this.pickColour(false);
        this.lightKey(k, Math.round(255 * this.level / 7));
        if (this.isLoop())
            this.advanceLoop();
        break;
    case 0x05:
        this.runs.push({ row: this.rowOf[k], centre: this.slotInRow[k], step: 0 });
        break;
    case 0x09:
        this.ringX[this.nextRing] = this.cx[k];
        this.ringY[this.nextRing] = this.cy[k];
        this.ringR[this.nextRing] = 0;
        this.ringOn[this.nextRing] = true;
        this.nextRing = (this.nextRing + 1) % RING_SLOTS;
        break;
    default:
        break;
    }
};
