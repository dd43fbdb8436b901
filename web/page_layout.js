// SPDX-License-Identifier: GPL-3.0-or-later
// The page's layout: the room the scene has beside the menu and the pad, and the menu's compact form on a phone.
'use strict';

var PageLayout = {
  menu: document.getElementById('menu'),
  more: document.getElementById('more'),

  // The room beside the menu, less what the pad needs below the scene (upright) or beside it.
  room: function() {
    var room = document.getElementById('room'), pad = document.getElementById('pad');
    var width = room.clientWidth, height = room.clientHeight;
    if (pad.offsetParent) {
      var style = getComputedStyle(pad);
      if (getComputedStyle(room).flexDirection === 'row')
        width -= parseFloat(style.minWidth);
      else
        height -= parseFloat(style.minHeight);
    }
    return {width: Math.max(1, width), height: Math.max(1, height)};
  },

  open: function(open) {
    PageLayout.menu.classList.toggle('open', open);
    PageLayout.more.setAttribute('aria-expanded', String(open));
  },

  isOpen: function() { return PageLayout.menu.classList.contains('open'); },

  listen: function() {
    var menu = PageLayout.menu, more = PageLayout.more;
    more.addEventListener('click', function() {
      PageLayout.open(!PageLayout.isOpen());
      more.blur();
    });
    // A command chosen folds the menu away again; so does a touch elsewhere, which is not
    // taken for a tap on the scene or the pad.
    menu.addEventListener('click', function(event) {
      if (event.target !== more && event.target instanceof HTMLButtonElement)
        PageLayout.open(false);
    });
    window.addEventListener('pointerdown', function(event) {
      if (PageLayout.isOpen() && !menu.contains(event.target)) {
        PageLayout.open(false);
        event.stopPropagation();
      }
    }, true);
    // A box gives its focus back to the menu button that opened it: the keys go to the game again.
    document.getElementById('box').addEventListener('close', function() {
      if (menu.contains(document.activeElement))
        document.activeElement.blur();
    });
  },
};
