#pragma once
// A read-only file system for the engine over descriptors the program opened and checked itself.
// The engine reads the file behind the descriptor and opens no name: the file it reads is the one
// that was checked, whatever is renamed over its name meanwhile, and it looks for no journal,
// write-ahead log or lock beside it.
#include <QByteArray>

namespace dictionary {
// The file system's name, registered with the engine at the first call; null when the engine is
// not loaded.
const char* DescriptorVfs();
// The name (a URI: read-only, immutable) under which the engine opens the file behind fd. The
// engine takes a descriptor of its own at the open; fd stays the caller's.
QByteArray DescriptorUri(int fd);
}  // namespace dictionary
