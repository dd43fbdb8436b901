// SPDX-License-Identifier: GPL-3.0-or-later
// Play by touch: a tap is the mouse's click, a swipe an arrow key held while the finger stays down,
// and the on-screen pad's buttons arrows too, Ctrl with them while its push toggle is on.
'use strict';

// A swipe may start anywhere in `area` but on a button (on a phone the scene is small); a tap acts
// on `scene` only. `game`: click(cell), cellAt(event), key(index, down) with the keys port's
// numbers (0 left, 1 right, 2 up, 3 down, 4 Ctrl), and state(): the run's probe (inPlay, steps,
// moving).
function TouchPlay(area, scene, pad, game) {
  this.game = game;
  this.held = -1;         // the arrow a finger holds down
  this.ctrl = false;      // Ctrl held with it (the push toggle)
  this.pushing = false;   // the push toggle
  this.pressed = null;    // the play loop's steps taken at the press
  this.lifted = null;     // the finger is up, the arrow waits for its move: `pressed` then
  this.waiting = null;    // the next arrow, pressed meanwhile: {arrow, up: its finger lifted}
  this.gesture = null;    // the finger on the area
  this.listenArea(area, scene);
  if (pad)
    this.listenPad(pad);
  // The page lets every key go when it loses the focus: so does the finger.
  var self = this;
  window.addEventListener('blur', function() {
    self.held = -1;
    self.ctrl = false;
    self.lifted = self.waiting = self.gesture = null;
  });
}

// Farther than this (CSS pixels) from where it went down a finger swipes; nearer, it taps.
TouchPlay.swipe = 24;

TouchPlay.prototype.listenArea = function(area, scene) {
  var self = this;
  area.addEventListener('pointerdown', function(event) {
    if (event.pointerType === 'mouse' || self.gesture || event.target.closest('button'))
      return;
    event.preventDefault();
    self.gesture = {id: event.pointerId, x: event.clientX, y: event.clientY, swiped: false,
                    cell: event.target === scene ? self.game.cellAt(event) : null};
  });
  area.addEventListener('pointermove', function(event) {
    var g = self.gesture;
    if (!g || g.id !== event.pointerId)
      return;
    var dx = event.clientX - g.x, dy = event.clientY - g.y;
    if (Math.max(Math.abs(dx), Math.abs(dy)) < TouchPlay.swipe)
      return;
    // Measured from here on, a turn of the finger is the next swipe: its new direction.
    g.x = event.clientX;
    g.y = event.clientY;
    g.swiped = true;
    self.press(Math.abs(dx) > Math.abs(dy) ? (dx < 0 ? 0 : 1) : (dy < 0 ? 2 : 3));
  });
  function up(event) {
    var g = self.gesture;
    if (!g || g.id !== event.pointerId)
      return;
    self.gesture = null;
    if (g.swiped)
      self.lift();
    else if (event.type === 'pointerup' && g.cell)
      self.game.click(g.cell);
  }
  area.addEventListener('pointerup', up);
  area.addEventListener('pointercancel', up);
};

TouchPlay.prototype.listenPad = function(pad) {
  var self = this;
  pad.querySelectorAll('[data-arrow]').forEach(function(button) {
    button.addEventListener('pointerdown', function(event) {
      event.preventDefault();  // no focus taken from the game's keys
      button.setPointerCapture(event.pointerId);
      self.press(Number(button.dataset.arrow));
    });
    button.addEventListener('pointerup', function() { self.lift(); });
    button.addEventListener('pointercancel', function() { self.lift(); });
    button.addEventListener('contextmenu', function(event) { event.preventDefault(); });
  });
  var push = pad.querySelector('[data-push]');
  push.addEventListener('pointerdown', function(event) { event.preventDefault(); });
  push.addEventListener('click', function() {
    self.pushing = !self.pushing;
    push.setAttribute('aria-pressed', String(self.pushing));
  });
};

// A finger's arrow. One pressed while the last still waits for its move waits its turn.
TouchPlay.prototype.press = function(arrow) {
  if (this.lifted)
    this.waiting = {arrow: arrow, up: false};
  else if (this.held !== arrow)
    this.down(arrow);
};

// The finger is up: the arrow goes up once a step of the play loop has been taken with it held
// (which began its walk or push, or found the way shut), so that a quick swipe or tap of the pad
// always moves one cell, even one made while the figure still walks.
TouchPlay.prototype.lift = function() {
  if (this.waiting) {
    this.waiting.up = true;
  } else if (this.held >= 0) {
    this.lifted = this.pressed;
    this.settle();
  }
};

// Called after every call into the game.
TouchPlay.prototype.settle = function() {
  if (!this.lifted)
    return;
  var now = this.game.state();
  if (now.inPlay && now.steps === this.lifted.steps)
    return;
  var next = now.inPlay ? this.waiting : null;
  this.waiting = null;
  this.release();
  if (next) {
    this.down(next.arrow);
    if (next.up)
      this.lift();
  }
};

// The arrow down, as a key held; Ctrl after it, so that no step sees Ctrl alone (which pushes
// whatever the figure faces).
TouchPlay.prototype.down = function(arrow) {
  this.release();
  var before = this.game.state();
  this.held = arrow;
  this.game.key(arrow, 1);
  this.pressed = {steps: before.steps};
  // A step may have come with the arrow alone: it walked, and that is the move; or it found a
  // crate ahead, and with Ctrl the next step is the one that pushes.
  if (this.pushing) {
    var walking = this.game.state().moving;
    this.ctrl = true;
    this.game.key(4, 1);
    if (!walking)
      this.pressed.steps = this.game.state().steps;
  }
};

TouchPlay.prototype.release = function() {
  var arrow = this.held, ctrl = this.ctrl;
  this.held = -1;
  this.ctrl = false;
  this.lifted = null;
  if (arrow >= 0)
    this.game.key(arrow, 0);
  if (ctrl)
    this.game.key(4, 0);
};
