// SPDX-License-Identifier: GPL-3.0-or-later
// Keys by the names the game's bindings keep them ("Left", "W", "Shift+U"), and Options > Keys: each action's keys, chosen by pressing them.
'use strict';

var KelvaroKeys = (function() {
  var keyWords = {ArrowLeft: 'Left', ArrowRight: 'Right', ArrowUp: 'Up', ArrowDown: 'Down', ' ': 'Space',
                  Backspace: 'Backspace', Tab: 'Tab', Enter: 'Return', Escape: 'Esc', Insert: 'Ins', Delete: 'Del',
                  Home: 'Home', End: 'End', PageUp: 'PgUp', PageDown: 'PgDown',
                  Control: 'Ctrl', Shift: 'Shift', Alt: 'Alt', Meta: 'Meta', OS: 'Meta'};
  var modifiers = ['Ctrl', 'Alt', 'Shift', 'Meta'];

  // The key itself, without the modifiers held: '' for one no binding can name.
  function bareName(event) {
    var key = event.key || '';
    if (keyWords.hasOwnProperty(key))
      return keyWords[key];
    if (/^F([1-9]|1[0-9]|2[0-4])$/.test(key))
      return key;
    return key.length === 1 && key > ' ' && key <= '~' ? key.toUpperCase() : '';
  }

  // With the modifiers held, in the desktop's order; Shift is never named with a symbol, which
  // it typed ("?", not "Shift+?"). A modifier key is named alone.
  function keyName(event) {
    var bare = bareName(event);
    if (!bare || modifiers.indexOf(bare) >= 0)
      return bare;
    var symbol = bare.length === 1 && !/[A-Z]/.test(bare);
    return (event.ctrlKey ? 'Ctrl+' : '') + (event.altKey ? 'Alt+' : '') + (event.shiftKey && !symbol ? 'Shift+' : '') +
           (event.metaKey ? 'Meta+' : '') + bare;
  }

  // The box: `call` reaches the game, which keeps the keys chosen and answers each change with
  // show(). A slot clicked waits for the next key pressed; a modifier is taken when it comes up
  // with no other key pressed meanwhile; Esc stops waiting.
  function box(call) {
    var dialog = document.getElementById('keys'), rows = document.getElementById('keys-rows');
    var refusal = document.getElementById('keys-refusal');
    var keys = {dialog: dialog, id: 0, waiting: null, swallow: null};

    function stopWaiting() {
      var waiting = keys.waiting;
      keys.waiting = null;
      if (waiting) {
        waiting.button.textContent = waiting.button.dataset.name;
        waiting.button.setAttribute('aria-pressed', 'false');
      }
    }

    function wait(button, action, slot) {
      stopWaiting();
      keys.waiting = {button: button, action: action, slot: slot, modifier: null};
      button.textContent = PageLanguage.tr('kelvaro::KeyCell', 'Press a key…');
      button.setAttribute('aria-pressed', 'true');
    }

    function choose(name, code) {
      var waiting = keys.waiting;
      stopWaiting();
      keys.swallow = code;  // its keyup would click the slot again
      call('kel_keys_choose', ['number', 'number', 'string'], [waiting.action, waiting.slot, name]);
    }

    function row(action) {
      var tr = rows.insertRow();
      tr.appendChild(document.createElement('th')).scope = 'row';
      [0, 1].forEach(function(slot) {
        var button = tr.insertCell().appendChild(document.createElement('button'));
        button.type = 'button';
        button.className = 'key-slot';
        button.dataset.slot = action + ':' + slot;
        button.addEventListener('click', function() { wait(button, action, slot); });
      });
      var clear = tr.insertCell().appendChild(document.createElement('button'));
      clear.type = 'button';
      clear.addEventListener('click', function() {
        stopWaiting();
        call('kel_keys_clear', ['number'], [action]);
      });
    }

    keys.show = function(id, data) {
      stopWaiting();
      while (rows.rows.length < data.actions.length)
        row(rows.rows.length);
      data.actions.forEach(function(words, action) {
        var cells = rows.rows[action].cells;
        cells[0].textContent = words;
        [0, 1].forEach(function(slot) {
          var button = cells[slot + 1].firstChild;
          button.dataset.name = data.keys[action][slot] || '';
          button.textContent = button.dataset.name;
          button.setAttribute('aria-pressed', 'false');
        });
        cells[3].firstChild.textContent = PageLanguage.tr('kelvaro::KeysDialog', 'Clear');
      });
      refusal.textContent = data.refusal;
      refusal.hidden = !data.refusal;
      if (dialog.open && keys.id === id)
        return;
      keys.id = id;
      dialog.returnValue = '';
      dialog.showModal();
      rows.rows[0].cells[1].firstChild.focus();
    };

    keys.listen = function() {
      dialog.addEventListener('keydown', function(event) {
        if (!keys.waiting)
          return;
        event.preventDefault();
        event.stopPropagation();
        var bare = bareName(event);
        if (event.key === 'Escape')
          stopWaiting();
        else if (modifiers.indexOf(bare) >= 0)
          keys.waiting.modifier = event.repeat ? keys.waiting.modifier : bare;
        else if (bare)
          choose(keyName(event), event.code);
      }, true);
      dialog.addEventListener('keyup', function(event) {
        if (keys.swallow !== null && event.code === keys.swallow) {
          keys.swallow = null;
          event.preventDefault();
        } else if (keys.waiting) {
          event.preventDefault();
          if (keys.waiting.modifier && bareName(event) === keys.waiting.modifier)
            choose(keys.waiting.modifier, event.code);
        }
      }, true);
      dialog.addEventListener('cancel', function(event) {
        if (keys.waiting) {
          event.preventDefault();  // Esc stops the wait, not the box
          stopWaiting();
        }
      });
      dialog.querySelectorAll('#keys-sets button').forEach(function(button) {
        button.addEventListener('click', function() {
          stopWaiting();
          call('kel_keys_ready', ['number'], [Number(button.dataset.set)]);
        });
      });
      document.getElementById('keys-ok').addEventListener('click', function() {
        stopWaiting();
        call('kel_keys_ok');
      });
      dialog.addEventListener('close', function() {
        stopWaiting();
        call('kel_answer', ['number', 'number', 'string'], [keys.id, 0, '']);
      });
    };
    return keys;
  }

  return {bareName: bareName, keyName: keyName, box: box};
})();
