// SPDX-License-Identifier: GPL-3.0-or-later
// Level files opened from the device, through the page's Open levels menu or dropped on it.
'use strict';

// Only the level files (.txt) are read; the game lays them out, keeps and plays them.
var LevelOpener = (function() {
  function call(name, types, values) { return Module.ccall(name, 'number', types || [], values || []); }

  var opener = {
    menu: document.getElementById('open-menu'),
    button: document.getElementById('open-levels'),
    largest: 1 << 20,
    show: function(shown) {
      if (shown) {
        var at = opener.button.getBoundingClientRect();
        opener.menu.style.left = at.left + 'px';
        opener.menu.style.top = at.bottom + 'px';
      }
      opener.menu.hidden = !shown;
      opener.button.setAttribute('aria-expanded', String(shown));
    },
    // files: [{name, file}], each name as the game takes it: "a.txt", or "Folder/a.txt" from a folder.
    open: function(files) {
      var levels = files.filter(function(f) { return /\.txt$/i.test(f.name) && f.file.size <= opener.largest; });
      if (!levels.length)
        return Promise.resolve();
      return Promise.all(levels.map(function(f) { return f.file.arrayBuffer(); })).then(function(contents) {
        contents.forEach(function(bytes, i) {
          call('kel_open_file', ['string', 'array', 'number'], [levels[i].name, new Uint8Array(bytes), bytes.byteLength]);
        });
        call('kel_open_done');
        outside.opened++;
      }).catch(function(error) { console.error('the levels could not be read: ' + error); });
    },
    picked: function(event) {
      var input = event.target;
      var files = Array.from(input.files).map(function(file) { return {name: file.webkitRelativePath || file.name, file: file}; });
      input.value = '';
      opener.open(files);
    },
    // A dropped folder's own files (not those of the folders within it), named under it.
    walk: function(entry, top) {
      if (entry.isFile) {
        return new Promise(function(done, fail) {
          entry.file(function(file) { done([{name: entry.fullPath.replace(/^\//, ''), file: file}]); }, fail);
        });
      }
      if (!top)
        return Promise.resolve([]);
      var reader = entry.createReader(), found = [];
      return new Promise(function(done, fail) {
        (function more() {
          reader.readEntries(function(batch) {
            if (batch.length) {
              found = found.concat(batch);
              more();
            } else {
              done(Promise.all(found.map(function(e) { return opener.walk(e, false); }))
                .then(function(lists) { return [].concat.apply([], lists); }));
            }
          }, fail);
        })();
      });
    },
    dropped: function(event) {
      event.preventDefault();
      document.body.classList.remove('dropping');
      if (document.getElementById('box').open)
        return;
      // The entries are read now: the drop's data is gone once the event is over.
      var entries = Array.from(event.dataTransfer.items || []).map(function(item) {
        return item.webkitGetAsEntry ? item.webkitGetAsEntry() : null;
      });
      if (entries.some(function(e) { return e && e.isDirectory; })) {
        Promise.all(entries.filter(Boolean).map(function(e) { return opener.walk(e, true); }))
          .then(function(lists) { return opener.open([].concat.apply([], lists)); })
          .catch(function(error) { console.error('the folder could not be read: ' + error); });
      } else {
        opener.open(Array.from(event.dataTransfer.files).map(function(file) { return {name: file.name, file: file}; }));
      }
    },
    listen: function() {
      opener.button.addEventListener('click', function() {
        opener.show(opener.menu.hidden);
        opener.button.blur();
      });
      [['open-files', 'open-files-input'], ['open-folder', 'open-folder-input']].forEach(function(pair) {
        document.getElementById(pair[0]).addEventListener('click', function() {
          opener.show(false);
          document.getElementById(pair[1]).click();
        });
        document.getElementById(pair[1]).addEventListener('change', opener.picked);
      });
      window.addEventListener('pointerdown', function(event) {
        if (!opener.menu.hidden && !opener.menu.contains(event.target) && event.target !== opener.button)
          opener.show(false);
      });
      window.addEventListener('dragover', function(event) {
        event.preventDefault();
        document.body.classList.add('dropping');
      });
      window.addEventListener('dragleave', function(event) {
        if (!event.relatedTarget)
          document.body.classList.remove('dropping');
      });
      window.addEventListener('drop', opener.dropped);
    },
  };

  // opened: how many times files reached the game, for tests to wait on.
  var outside = {listen: opener.listen, opened: 0};
  return outside;
})();
