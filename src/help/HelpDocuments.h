#pragma once

#include <QString>
#include <functional>

// The two guides the program carries and writes out beside itself on request.
enum class HelpDocument { UserGuide, PrintingGuide };

// Where the document is written: the program's folder and its file name.
QString HelpDocumentPath(HelpDocument document);

// Writes the carried document to HelpDocumentPath, replacing any file there,
// and hands the path to the system to open. Nothing is reported on failure:
// the operator simply sees no document. Returns the path.
QString OpenHelpDocument(HelpDocument document);

// How a written file is opened. The default asks the desktop to open it with
// the application registered for its type; tests install a recorder.
using DocumentOpener = std::function<void(const QString& path)>;
// An empty opener restores the default.
void SetDocumentOpener(DocumentOpener opener);
