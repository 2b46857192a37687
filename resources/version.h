// The one place that says which version this is; the resource script, the
// window captions and hexorin-cli all take it from here.
#ifndef HEXORIN_VERSION_H
#define HEXORIN_VERSION_H

#define HEXORIN_VERSION_MAJOR 1
#define HEXORIN_VERSION_MINOR 4
#define HEXORIN_VERSION_TEXT "1.4"

#endif
