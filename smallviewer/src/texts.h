#pragma once
// The small viewer's resources: string table, menu texts, command ids.
#include <QString>

namespace brisk {

// Resource and command numbers.
constexpr unsigned kMenuId = 1001;
constexpr unsigned kIconBitmapId = 1008;
constexpr unsigned kListBoxId = 70;

constexpr int kCmdOpen = 1002;
constexpr int kCmdPrint = 1003;
constexpr int kCmdDelete = 1004;
constexpr int kCmdView = 1005;
constexpr int kCmdExit = 1006;
constexpr int kCmdFileManager = 1007;

// String numbers.
constexpr unsigned kStrDeleteQuestion = 1007;
constexpr unsigned kStrAppTitle = 2001;
constexpr unsigned kStrTitleTemplate = 2002;
constexpr unsigned kStrFilterTemplate = 2003;
constexpr unsigned kStrCreateQuestion = 2004;
constexpr unsigned kStrWarning = 2005;
constexpr unsigned kStrSecurity = 2006;
constexpr unsigned kStrCreateProcessFailed = 2007;
constexpr unsigned kStrError = 2008;
constexpr unsigned kStrPageSuffix = 2009;
constexpr unsigned kStrHeading = 2010;

// Menu text numbers (the items use their command numbers).
constexpr unsigned kMenuFile = 1;
constexpr unsigned kMenuEdit = 2;

// A string of the string table as UTF-8 bytes ("" when missing).
const char* string_bytes(unsigned id);
QString text(unsigned id);
QString menu_text(unsigned id);

}  // namespace brisk
