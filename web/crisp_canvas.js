// SPDX-License-Identifier: GPL-3.0-or-later
// A canvas of the scene's own pixels shown enlarged: kept at 1x, copied to a visible canvas enlarged
// by a whole factor with nearest-neighbour sampling, which the browser shows at the page's size
// (pixel for pixel at a whole scale, brought down smoothly at a fractional one: sharp-bilinear).
'use strict';

function CrispCanvas(visible, width, height) {
  this.visible = visible;
  this.source = document.createElement('canvas');
  this.factor = 1;
  this.smooth = false;
  this.resize(width, height);
}

// New 1x size; what was drawn is dropped.
CrispCanvas.prototype.resize = function(width, height) {
  this.source.width = width;
  this.source.height = height;
  this.show();
};

// Enlarged `factor` times; `smooth`: the browser brings it down to a fractional size smoothly.
CrispCanvas.prototype.enlarge = function(factor, smooth) {
  this.factor = factor;
  this.smooth = smooth;
  this.show();
};

CrispCanvas.prototype.show = function() {
  var f = this.factor, width = this.source.width, height = this.source.height;
  this.visible.width = width * f;
  this.visible.height = height * f;
  this.visible.style.width = width + 'px';
  this.visible.style.height = height + 'px';
  this.visible.style.imageRendering = this.smooth ? 'auto' : 'pixelated';
  this.copy(0, 0, width, height);
};

// Draws `image` (ImageData) at (x, y) in 1x pixels.
CrispCanvas.prototype.put = function(image, x, y) {
  this.source.getContext('2d').putImageData(image, x, y);
  this.copy(x, y, image.width, image.height);
};

CrispCanvas.prototype.copy = function(x, y, width, height) {
  if (width <= 0 || height <= 0)
    return;
  var f = this.factor, context = this.visible.getContext('2d');
  context.imageSmoothingEnabled = false;
  context.drawImage(this.source, x, y, width, height, x * f, y * f, width * f, height * f);
};
