#pragma once
// The document files of the commands that read and write them: the Qt application
// object LibreOffice's process needs, and the reasons of a failed read or write.

#include <QCoreApplication>
#include <memory>

namespace velmar::cli {

// An application object when none exists yet (QProcess, used for LibreOffice, wants one).
std::unique_ptr<QCoreApplication> EnsureApplication();
// Why a document could not be read or written, by the message of the failure.
const char* DocumentFailureReason(int message);

} // namespace velmar::cli
