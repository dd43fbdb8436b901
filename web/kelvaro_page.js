// SPDX-License-Identifier: GPL-3.0-or-later
// The page's side of the web shell: shows what the game hands it and hands the player's input to the game.
'use strict';

var Page = (function() {
  var width = 737, height = 534, cell = 32;
  var stage = document.getElementById('stage');
  var scene = new CrispCanvas(document.getElementById('scene'), width, height);
  var overlay = document.getElementById('overlay');
  var marks = [0, 0, 0, 0, 0, 0, 0, 0];  // the hint and the marks last shown, for a new size
  var labels = [], buttons = [], pictures = [];  // pictures: canvases, each with its CrispCanvas
  var timer = null;
  var touch = null;  // play by touch (touch_play.js), told of every call into the game
  var buttonCommands = ['next', 'abort', 'retry'];
  var named = {Backspace: 8, Enter: 13, Escape: 27};
  // The desktop's menu keys the browser leaves to a page (F5 reloads, so About has only its button).
  var functionKeys = {F1: 'help', F2: 'newGame', F3: 'restart', F4: 'endGame'};

  function call(name, types, values) {
    var result = Module.ccall(name, 'number', types || [], values || []);
    if (touch)
      touch.settle();
    return result;
  }

  // Sets only what changed: a text or style set again to the same value still costs the page a new
  // layout and paint, ten times a second for the banner's colour.
  function update(element, values) {
    var last = element.shown || (element.shown = {});
    Object.keys(values).forEach(function(key) {
      if (last[key] === values[key])
        return;
      last[key] = values[key];
      if (key === 'text')
        element.textContent = values[key];
      else if (key === 'hidden')
        element.hidden = values[key];
      else
        element.style[key] = values[key];
    });
  }

  function placed(element, place) {
    update(element, {left: place.x + 'px', top: place.y + 'px', width: place.width + 'px', height: place.height + 'px'});
  }

  function made(list, index, tag, className) {
    if (!list[index]) {
      list[index] = document.createElement(tag);
      list[index].className = className;
      stage.appendChild(list[index]);
    }
    return list[index];
  }

  // The scale the game's core picks for the room beside the menu bar (fittedScale), in device pixels.
  function fit() {
    var space = PageLayout.room();
    var dpr = window.devicePixelRatio || 1;
    var room = [Math.floor(space.width * dpr), Math.floor(space.height * dpr), Math.max(1, Math.round(dpr))];
    var s = Module.HEAP32.subarray(call('kel_fit', ['number', 'number', 'number'], room) >> 2);
    var factor = s[0] * s[1], smooth = !!s[2], shown = {width: s[3] / dpr, height: s[4] / dpr};
    stage.style.transform = 'scale(' + shown.width / width + ',' + shown.height / height + ')';
    var frame = document.getElementById('frame');
    frame.style.width = shown.width + 'px';
    frame.style.height = shown.height + 'px';
    scene.enlarge(factor, smooth);
    pictures.forEach(function(picture) { picture.crisp.enlarge(factor, smooth); });
    overlay.width = width * factor;
    overlay.height = height * factor;
    overlay.style.width = width + 'px';
    overlay.style.height = height + 'px';
    overlay.style.imageRendering = smooth ? 'auto' : 'pixelated';
    drawOverlay(marks);
  }

  // The hint in yellow and cyan (dashed), a pick's object and targets in magenta.
  function drawOverlay(n) {
    marks = n;
    var context = overlay.getContext('2d'), f = overlay.width / width;
    context.setTransform(f, 0, 0, f, 0, 0);
    context.clearRect(0, 0, width, height);
    context.lineWidth = 3;
    function outline(x, y, colour, dashed) {
      context.strokeStyle = colour;
      context.setLineDash(dashed ? [9, 3] : []);
      context.strokeRect(x * cell + 2.5, y * cell + 2.5, cell - 5, cell - 5);
    }
    if (n[0]) {
      outline(n[1], n[2], '#ffff00', false);
      outline(n[3], n[4], '#00ffff', true);
    }
    if (n[5]) {
      outline(n[6], n[7], '#ff00ff', false);
      context.fillStyle = '#ff00ff';
      for (var i = 8; i + 1 < n.length; i += 2)
        context.fillRect(n[i] * cell + 12, n[i + 1] * cell + 12, cell - 24, cell - 24);
    }
  }

  // The playfield's cell under a pointer event.
  function cellAt(event) {
    var box = stage.getBoundingClientRect();
    var x = (event.clientX - box.left) * width / box.width, y = (event.clientY - box.top) * height / box.height;
    return {x: Math.floor(x / cell), y: Math.floor(y / cell)};
  }

  var box = {
    dialog: document.getElementById('box'),
    id: 0,
    // kind: 0 OK, 1 Yes/No, 2 input, 3 Help, 4 About, 5 Records.
    open: function(id, kind, title, text) {
      box.id = id;
      document.getElementById('box-title').textContent = title;
      document.getElementById('box-text').textContent = text;
      var input = document.getElementById('box-input');
      input.value = '';
      input.hidden = kind !== 2;
      var buttonsDiv = document.getElementById('box-buttons');
      buttonsDiv.textContent = '';
      var choices = kind === 1 ? [['Yes', 1], ['No', 0]] : kind === 2 ? [['OK', 1], ['Cancel', 0]] : [['OK', 1]];
      choices.forEach(function(choice) {
        var b = document.createElement('button');
        b.textContent = PageLanguage.tr('WebPage', choice[0]);
        b.value = String(choice[1]);
        buttonsDiv.appendChild(b);
      });
      box.dialog.classList.toggle('text-window', kind === 3 || kind === 4);
      box.dialog.returnValue = '';
      box.dialog.showModal();
      (kind === 2 ? input : buttonsDiv.firstChild).focus();
    },
    closed: function() {
      var yes = box.dialog.returnValue === '1';
      var text = yes ? document.getElementById('box-input').value : '';
      call('kel_answer', ['number', 'number', 'string'], [box.id, yes ? 1 : 0, text]);
      ++box.answered;
    },
    answered: 0,
  };
  box.dialog.addEventListener('close', box.closed);

  var boxes = KelvaroBoxes(call), records = boxes.records, chooser = boxes.chooser;
  var puzzles = KelvaroPuzzles(call);
  var clipboard = PageClipboard(call, function(text) { box.open(0, 0, 'Kelvaro', text); });
  var keysBox = KelvaroKeys.box(call);

  // A key pressed or let go, read by the game through the player's keys: 0 it did nothing,
  // 1 it walked, pushed or redid, 2 it typed a character.
  function keyEvent(event, down) {
    var bare = KelvaroKeys.bareName(event);
    if (!bare || !Page.ready)
      return 0;  // a key let go as the page loads (F5's) finds no game yet
    var code = event.key in named ? named[event.key] : event.key.length === 1 ? event.key.charCodeAt(0) : 0;
    var typed = code < 128 && !event.ctrlKey && !event.altKey && !event.metaKey ? code : 0;
    return call('kel_key_event', ['string', 'string', 'number', 'number', 'number'],
                [KelvaroKeys.keyName(event), bare, typed, down, event.repeat ? 1 : 0]);
  }

  // The game closes a box whose answer it has already: the page's close event then answers nothing more.
  function closeBox(id) {
    [box, records, chooser, puzzles.puzzle, puzzles.progress, keysBox].forEach(function(each) {
      if (each.id === id && each.dialog.open)
        each.dialog.close();
    });
  }

  function listen() {
    window.addEventListener('pointerdown', PageAudio.wake, true);
    window.addEventListener('keydown', PageAudio.wake, true);
    document.querySelectorAll('#menu button[data-command], #menu button[data-character]').forEach(function(b) {
      b.addEventListener('click', function() {
        if (b.dataset.command)
          call('kel_command', ['string'], [b.dataset.command]);
        else if (b.dataset.character)
          call('kel_character', ['number'], [Number(b.dataset.character)]);
        b.blur();
      });
    });
    window.addEventListener('keydown', function(event) {
      if (document.querySelector('dialog[open]'))
        return;
      if (event.key in functionKeys && !event.ctrlKey && !event.altKey && !event.metaKey) {
        event.preventDefault();
        if (!event.repeat)
          call('kel_command', ['string'], [functionKeys[event.key]]);
      } else {
        var done = keyEvent(event, 1);
        // A focused Next or Retry still takes its Enter or Space, as on the desktop.
        if (done === 1 || (done === 2 && !(event.target instanceof HTMLButtonElement)))
          event.preventDefault();
      }
    });
    window.addEventListener('keyup', function(event) { keyEvent(event, 0); });
    window.addEventListener('blur', function() { call('kel_release_keys'); });
    document.getElementById('scene').addEventListener('pointerdown', function(event) {
      if (event.pointerType !== 'mouse')
        return;  // a finger taps or swipes (touch_play.js)
      var at = cellAt(event);
      if (event.button === 2)
        call('kel_cancel_pointer');
      else if (event.button === 0)
        call('kel_cell_click', ['number', 'number'], [at.x, at.y]);
    });
    document.getElementById('scene').addEventListener('contextmenu', function(event) { event.preventDefault(); });
    // A hand where a click would walk, push or pick.
    document.getElementById('scene').addEventListener('pointermove', function(event) {
      if (event.pointerType !== 'mouse')
        return;
      var at = cellAt(event);
      event.target.style.cursor = call('kel_pointer_acts', ['number', 'number'], [at.x, at.y]) ? 'pointer' : 'default';
    });
    window.addEventListener('resize', fit);
    PageLayout.listen();
    var byId = document.getElementById.bind(document);
    touch = new TouchPlay(byId('room'), byId('scene'), byId('pad'), {
      click: function(at) { call('kel_cell_click', ['number', 'number'], [at.x, at.y]); },
      cellAt: cellAt,
      key: function(key, down) { call('kel_key', ['number', 'number'], [key, down]); },
      state: function() { return Page.probe(); },
    });
    records.listen();
    chooser.listen();
    puzzles.listen();
    keysBox.listen();
    clipboard.listen();
    var language = document.getElementById('language');
    PageLanguage.listen(language, function() {
      PageLayout.open(false);
      language.blur();
    });
  }

  // The site's files kept for a visit without the network (service_worker.js, made by the build),
  // asked for once the game has shown itself, so that keeping them does not slow a first visit.
  function keepOffline() {
    if (!('serviceWorker' in navigator))
      return;
    navigator.serviceWorker.register('service_worker.js').catch(function(error) {
      console.warn('The game cannot be kept for offline play: ' + error);
    });
  }

  return {
    start: function() {
      fit();
      listen();
      LevelOpener.listen();
      call('kel_mount');
    },
    // The game starts in the page's language, once its translation is there.
    storageRead: function() {
      PageLanguage.ready().then(function() {
        PageLanguage.teach();
        call('kel_start');
        puzzles.started();
        Page.ready = true;
        Page.readyAt = performance.now();
        keepOffline();
      });
    },
    ready: false,
    readyAt: 0,  // when the first frame was shown, in ms since navigation
    wakes: null,  // an array, for a benchmark: when each timer wake-up ran
    // For tests and a look by hand: the run's state, and a clock that moves only when told.
    probe: function() { return JSON.parse(Module.ccall('kel_probe', 'string', [], [])); },
    testClock: function(milliseconds) { call('kel_test_clock', ['number'], [milliseconds]); },
    // For tests: the daily puzzle's day, as a UTC date would give it.
    puzzleFile: function() { return Module.ccall('kel_test_puzzle_file', 'string', [], []); },
    testDay: function(year, month, day) { call('kel_test_day', ['number', 'number', 'number'], [year, month, day]); },
    openBox: box.open,
    // How many boxes the game has had its answer from: a box's close event comes a task after it shuts.
    boxesAnswered: function() { return box.answered; },
    showRecords: records.show,
    openChooser: chooser.open,
    chooserSet: chooser.set,
    chooserTile: chooser.tile,
    closeBox: closeBox,
    puzzleBox: puzzles.puzzle.open,
    progress: puzzles.progress.show,
    share: puzzles.share.show,
    keys: keysBox.show,
    copyText: clipboard.copy,
    blit: function(image, x, y) { scene.put(image, x, y); },
    label: function(index, caption, place, visible, colour, points) {
      var label = made(labels, index, 'div', 'label');
      placed(label, place);
      update(label, {text: caption, color: colour, fontSize: Math.round(points * 96 / 72) + 'px', hidden: !visible});
    },
    button: function(index, caption, place, visible, focused) {
      var button = made(buttons, index, 'button', 'scene-button');
      if (!button.onclick)
        button.onclick = function() { call('kel_command', ['string'], [buttonCommands[index]]); };
      button.textContent = caption;
      placed(button, place);
      button.hidden = !visible;
      if (focused && visible)
        button.focus();
    },
    picture: function(index, image, place, visible) {
      var picture = made(pictures, index, 'canvas', 'picture');
      if (!picture.crisp) {
        picture.crisp = new CrispCanvas(picture, 0, 0);
        picture.crisp.enlarge(scene.factor, scene.smooth);
      }
      var crisp = picture.crisp;
      if (image && crisp.source.width !== image.width) {
        crisp.resize(image.width, image.height);
        crisp.put(image, 0, 0);
      }
      // Centred in its place, as the desktop draws it.
      placed(picture, {x: place.x + Math.floor((place.width - crisp.source.width) / 2),
                       y: place.y + Math.floor((place.height - crisp.source.height) / 2),
                       width: crisp.source.width, height: crisp.source.height});
      picture.hidden = !visible;
    },
    menuItem: function(name, enabled, checked) {
      var item = document.querySelector('#menu button[data-command="' + name + '"]');
      if (!item)
        return;
      item.disabled = !enabled;
      if (name === 'sound')
        item.setAttribute('aria-pressed', String(checked));
    },
    overlay: drawOverlay,
    sound: PageAudio.act,
    // How many sounds are ready to play: none before the player first touches the page.
    soundsLoaded: PageAudio.loaded,
    wakeIn: function(milliseconds) {
      if (timer !== null)
        clearTimeout(timer);
      timer = milliseconds < 0 ? null : setTimeout(function() {
        timer = null;
        if (Page.wakes)
          Page.wakes.push(performance.now());
        call('kel_wake');
      }, milliseconds);
    },
  };
})();

var Module = {
  page: Page,
  onRuntimeInitialized: function() { Page.start(); },
  print: function(text) { console.log(text); },
  printErr: function(text) { console.error(text); },
};
