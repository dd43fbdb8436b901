// SPDX-License-Identifier: GPL-3.0-or-later
// The page's Records window and level chooser, filled with what the game hands them; `call` reaches the game.
'use strict';

function KelvaroBoxes(call) {
  // The Records window: a tab of the set's levels, one of the daily puzzles; shown anew while open.
  var records = {
    dialog: document.getElementById('records'),
    id: 0,
    table: function(data) {
      var table = document.createElement('table');
      var head = table.createTHead().insertRow();
      data.headings.forEach(function(text) {
        var th = document.createElement('th');
        th.scope = 'col';
        th.textContent = text;
        head.appendChild(th);
      });
      var body = table.createTBody();
      data.rows.forEach(function(cells) {
        var row = body.insertRow();
        cells.forEach(function(text) { row.insertCell().textContent = text; });
      });
      return table;
    },
    tab: function(button) {
      records.dialog.querySelectorAll('[role=tab]').forEach(function(each) {
        var chosen = each === button;
        each.setAttribute('aria-selected', String(chosen));
        document.getElementById(each.dataset.pane).hidden = !chosen;
      });
    },
    show: function(id, data) {
      var tabs = records.dialog.querySelectorAll('[role=tab]');
      document.getElementById('records-title').textContent = data.title;
      tabs[0].textContent = data.levelsTab;
      tabs[1].textContent = data.dailyTab;
      var levels = document.getElementById('records-levels');
      levels.replaceChildren(records.table(data.levels));
      var tally = document.getElementById('records-tally');
      tally.textContent = data.tally;
      tally.parentNode.replaceChildren(tally, records.table(data.days));
      if (records.dialog.open && records.id === id)
        return;
      records.id = id;
      records.tab(tabs[0]);
      records.dialog.showModal();
    },
    listen: function() {
      records.dialog.querySelectorAll('[role=tab]').forEach(function(button) {
        button.addEventListener('click', function() { records.tab(button); });
      });
      records.dialog.addEventListener('close', function() {
        call('kel_answer', ['number', 'number', 'string'], [records.id, 1, '']);
      });
    },
  };

  // The level chooser: the sets in a list, the set's levels as a grid of the core's thumbnails.
  // Arrows move, Enter or a double click plays, a tap plays at once, Esc closes.
  var chooser = {
    dialog: document.getElementById('chooser'),
    grid: document.getElementById('chooser-levels'),
    id: 0,
    touched: false,  // the last press was a finger's
    open: function(id, title, play, sets, current) {
      chooser.id = id;
      document.getElementById('chooser-title').textContent = title;
      document.getElementById('chooser-play').textContent = play;
      var list = document.getElementById('chooser-sets');
      list.replaceChildren();
      sets.forEach(function(name, index) { list.add(new Option(name, String(index))); });
      list.selectedIndex = current;
      chooser.grid.replaceChildren();
      document.getElementById('chooser-info').textContent = '';
      chooser.dialog.showModal();
    },
    set: function(index, name, info, focus) {
      var list = document.getElementById('chooser-sets');
      if (list.options[index]) {
        list.options[index].text = name;
        list.selectedIndex = index;
      }
      document.getElementById('chooser-info').textContent = info;
      chooser.grid.replaceChildren();
      chooser.focus = focus;
      document.getElementById('chooser-play').disabled = true;
    },
    // A tile made on its first showing; later only its words change.
    tile: function(index, level) {
      var tile = chooser.grid.children[index];
      if (!tile) {
        tile = document.createElement('button');
        tile.type = 'button';
        tile.className = 'tile';
        tile.setAttribute('role', 'option');
        tile.tabIndex = -1;
        tile.dataset.number = String(level.number);
        var picture = document.createElement('span');
        picture.className = 'tile-picture';
        if (level.image) {
          var canvas = document.createElement('canvas');
          canvas.width = level.image.width;
          canvas.height = level.image.height;
          canvas.getContext('2d').putImageData(level.image, 0, 0);
          picture.appendChild(canvas);
        } else {
          picture.classList.add('crossed');
        }
        tile.appendChild(picture);
        tile.appendChild(document.createElement('span')).className = 'tile-words';
        chooser.grid.appendChild(tile);
        document.getElementById('chooser-play').disabled = false;
        if (index === chooser.focus || index === 0)
          chooser.select(tile, index === chooser.focus);
      }
      tile.title = level.tip;
      tile.classList.toggle('solved', level.solved);
      tile.classList.toggle('unplayable', !level.playable);
      tile.setAttribute('aria-label', level.number + ': ' + level.lines.join(', '));
      chooser.words(tile.querySelector('.tile-words'), level);
    },
    // The number in bold with the solved mark (or why it cannot be played) beside it, the figures below.
    words: function(words, level) {
      var head = document.createElement('span');
      head.className = 'tile-head';
      head.appendChild(document.createElement('b')).textContent = String(level.number);
      if (level.solved || !level.playable)
        head.appendChild(document.createElement('span')).textContent = (level.solved ? '\u2714 ' : '') + level.lines[0];
      words.replaceChildren(head);
      level.lines.slice(1).forEach(function(line) {
        words.appendChild(document.createElement('span')).textContent = line;
      });
    },
    selected: function() { return chooser.grid.querySelector('[aria-selected=true]'); },
    select: function(tile, focused) {
      var before = chooser.selected();
      if (before) {
        before.setAttribute('aria-selected', 'false');
        before.tabIndex = -1;
      }
      tile.setAttribute('aria-selected', 'true');
      tile.tabIndex = 0;
      if (focused) {
        tile.focus();
        tile.scrollIntoView({block: 'nearest'});
      }
    },
    play: function(tile) {
      if (tile)
        call('kel_chooser_play', ['number'], [Number(tile.dataset.number)]);
    },
    // How many tiles a row holds as the grid is laid out now.
    columns: function() {
      var tiles = chooser.grid.children, n = 1;
      while (n < tiles.length && tiles[n].offsetTop === tiles[0].offsetTop)
        ++n;
      return n;
    },
    key: function(event) {
      var tiles = Array.prototype.slice.call(chooser.grid.children);
      var at = tiles.indexOf(chooser.selected());
      var step = {ArrowLeft: -1, ArrowRight: 1, ArrowUp: -chooser.columns(), ArrowDown: chooser.columns(),
                  Home: -tiles.length, End: tiles.length}[event.key];
      if (event.key === 'Enter') {
        event.preventDefault();
        chooser.play(tiles[at]);
      } else if (step && tiles.length) {
        event.preventDefault();
        chooser.select(tiles[Math.max(0, Math.min(tiles.length - 1, at + step))], true);
      }
    },
    listen: function() {
      chooser.grid.addEventListener('keydown', chooser.key);
      chooser.grid.addEventListener('pointerdown', function(event) { chooser.touched = event.pointerType === 'touch'; });
      chooser.grid.addEventListener('click', function(event) {
        var tile = event.target.closest('.tile');
        if (!tile)
          return;
        chooser.select(tile, true);
        if (chooser.touched)
          chooser.play(tile);
      });
      chooser.grid.addEventListener('dblclick', function(event) { chooser.play(event.target.closest('.tile')); });
      document.getElementById('chooser-play').addEventListener('click', function() { chooser.play(chooser.selected()); });
      document.getElementById('chooser-sets').addEventListener('change', function(event) {
        call('kel_chooser_set', ['number'], [Number(event.target.value)]);
      });
      chooser.dialog.addEventListener('close', function() {
        call('kel_answer', ['number', 'number', 'string'], [chooser.id, 0, '']);
      });
    },
  };

  return {records: records, chooser: chooser};
}
