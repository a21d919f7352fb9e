// Must not build: the core is Qt Core only, whatever folder names the header.
#include <QtGui/QPainter>
