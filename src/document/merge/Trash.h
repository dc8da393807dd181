#pragma once
// Moving a file to the desktop's Trash, where the user can still restore it (the freedesktop
// layout): the home Trash under $XDG_DATA_HOME/Trash for a file on the home's file system, else the
// file system's own $top/.Trash/$uid (when it is a sticky folder, not a link) or $top/.Trash-$uid.
// Each trashed file has its info/NAME.trashinfo with the original path and the deletion time. The
// file is renamed, never copied and deleted: a Trash that cannot take it leaves it where it was.
//
//   STrashed t = MoveToTrash("/home/jana/Sync/denik.sync-conflict-...orv");   t.error empty = done

#include <string>

namespace orv {

struct STrashed {
  std::string path;   // where the file is now
  std::string error;  // Czech reason; empty when the file was moved
};

STrashed MoveToTrash(const std::string& path);

}  // namespace orv
