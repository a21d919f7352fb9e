// Must not build: the core is Qt Core only.
#include <QPainter>
