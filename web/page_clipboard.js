// SPDX-License-Identifier: GPL-3.0-or-later
// Copy level and Paste level: the page's copy and paste events (Ctrl+C, Ctrl+V) and the menu's two items, handed to the game.
'use strict';

// `call` calls into the game as the page does; `say` shows a line in the page's own box.
function PageClipboard(call, say) {
  var copying = null;  // the copy event the game is answering: its clipboard takes the text
  var mac = /Mac|iPhone|iPad/.test(navigator.platform || navigator.userAgent);

  // The keys copy and paste a level while no box is open and the player is not copying or
  // pasting words of their own (a field in focus, text selected).
  function forGame() {
    if (document.querySelector('dialog[open]'))
      return false;
    var focus = document.activeElement;
    if (focus && (focus.tagName === 'INPUT' || focus.tagName === 'TEXTAREA' || focus.isContentEditable))
      return false;
    var selection = window.getSelection();
    return !selection || selection.isCollapsed;
  }

  function paste(text) { call('kel_paste', ['string'], [text]); }

  function refused() {
    say(PageLanguage.tr('WebPage', 'The browser did not let the page read the clipboard. Press %1 to paste.')
          .replace('%1', mac ? '\u2318V' : 'Ctrl+V'));
  }

  // The menu's item reads the clipboard itself, which a browser may refuse or ask the player about.
  function pasteItem() {
    if (!navigator.clipboard || !navigator.clipboard.readText) {
      refused();
      return;
    }
    navigator.clipboard.readText().then(paste, refused);
  }

  return {
    listen: function() {
      document.addEventListener('copy', function(event) {
        if (!forGame())
          return;
        copying = event;
        try {
          call('kel_command', ['string'], ['copyLevel']);
        } finally {
          copying = null;
        }
      });
      document.addEventListener('paste', function(event) {
        if (!forGame() || !event.clipboardData)
          return;
        event.preventDefault();
        paste(event.clipboardData.getData('text/plain'));
      });
      var item = document.getElementById('paste-level');
      item.addEventListener('click', function() {
        item.blur();
        pasteItem();
      });
    },
    // The game's text for the clipboard: into the copy event being answered, else (the menu's
    // item, or a Ctrl+C held back by the start effect) through the asynchronous clipboard.
    copy: function(text) {
      if (copying && copying.clipboardData) {
        copying.clipboardData.setData('text/plain', text);
        copying.preventDefault();  // only now: a copy with no level in play leaves the clipboard alone
        return;
      }
      if (navigator.clipboard && navigator.clipboard.writeText)
        navigator.clipboard.writeText(text).catch(function(error) { console.warn('Copy level: ' + error); });
    },
  };
}
