// SPDX-License-Identifier: GPL-3.0-or-later
// The page's generated puzzle box, the forge's progress with Cancel, the Share button, and a code in the page's address.
'use strict';

function KelvaroPuzzles(call) {
  var byId = document.getElementById.bind(document);

  function answer(id, yes, text) {
    call('kel_answer', ['number', 'number', 'string'], [id, yes ? 1 : 0, text]);
  }

  // A grade and a code; the game hears the grade's index, a blank and the code as typed.
  var puzzle = {
    dialog: byId('puzzle'),
    id: 0,
    open: function(id, view) {
      puzzle.id = id;
      byId('puzzle-title').textContent = view.title;
      byId('puzzle-grade-label').textContent = view.gradeLabel;
      byId('puzzle-code-label').textContent = view.codeLabel;
      byId('puzzle-note').textContent = view.note;
      var grades = byId('puzzle-grade'), code = byId('puzzle-code');
      grades.replaceChildren();
      view.grades.forEach(function(name, index) { grades.add(new Option(name, String(index))); });
      grades.selectedIndex = view.grade;
      code.value = '';
      code.placeholder = view.codeHint;
      puzzle.dialog.returnValue = '';
      puzzle.dialog.showModal();
      code.focus();
    },
    closed: function() {
      var yes = puzzle.dialog.returnValue === '1';
      answer(puzzle.id, yes, yes ? byId('puzzle-grade').value + ' ' + byId('puzzle-code').value : '');
    },
  };

  // Shown anew as the forge reports; Cancel or Esc is the game's cancel, a close by the game is none.
  var progress = {
    dialog: byId('progress'),
    id: 0,
    show: function(id, title, text, share) {
      byId('progress-title').textContent = title;
      byId('progress-text').textContent = text;
      byId('progress-bar').value = Math.round(share * 1000);
      if (progress.dialog.open && progress.id === id)
        return;
      progress.id = id;
      progress.dialog.returnValue = '';
      progress.dialog.showModal();
    },
    closed: function() { answer(progress.id, false, ''); },
  };

  // After a daily puzzle won: the device's own sharing where it has one, else the clipboard and a word that it was.
  var share = {
    button: byId('share'),
    said: byId('share-said'),
    line: '',
    copied: '',
    show: function(line, caption, copied) {
      share.line = line;
      share.copied = copied;
      share.button.textContent = caption;
      share.button.hidden = !line;
      share.said.hidden = true;
    },
    send: function() {
      share.button.blur();
      if (navigator.share) {
        navigator.share({text: share.line}).catch(function() {});  // closed without sharing
        return;
      }
      navigator.clipboard.writeText(share.line).then(function() {
        share.said.textContent = share.copied;
        share.said.hidden = false;
      }, function() {});
    },
  };

  // "#H-02053" or "?code=H-02053": a shared link opens its puzzle.
  function addressCode() {
    var query = new URLSearchParams(location.search).get('code');
    return query || decodeURIComponent(location.hash.slice(1));
  }

  function playAddressCode() {
    var code = addressCode();
    if (code)
      call('kel_play_code', ['string'], [code]);
  }

  return {
    puzzle: puzzle,
    progress: progress,
    share: share,
    // Once the game has started: the code the page was opened with.
    started: function() {
      playAddressCode();
      window.addEventListener('hashchange', playAddressCode);
    },
    listen: function() {
      puzzle.dialog.addEventListener('close', puzzle.closed);
      progress.dialog.addEventListener('close', progress.closed);
      // The focus given back to the menu's button would take the next Enter: the keys go to the game.
      [puzzle.dialog, progress.dialog].forEach(function(dialog) {
        dialog.addEventListener('close', function() {
          if (byId('menu').contains(document.activeElement))
            document.activeElement.blur();
        });
      });
      share.button.addEventListener('click', share.send);
    },
  };
}
