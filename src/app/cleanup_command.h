#pragma once
// "Cleanup HTML Code" in the editor: the document's text is copied to analysis scratch file 1 and scanned
// in cleanup mode under the progress panel; the error list shows what was found; with no errors left the
// page laid out by the formatter replaces the text as one undo step, in the document's line ends, and is
// coloured again. Cancel on the error list leaves the document as it was.
namespace tamsel {

class DocumentColouring;
class Documents;
class EditorBuffer;
class ProgressBar;
class Workspace;

class CleanupCommand {
public:
    CleanupCommand(Workspace& ws, EditorBuffer& editor, Documents& documents, ProgressBar& bar,
                   DocumentColouring& colouring)
        : ws_(ws), editor_(editor), documents_(documents), bar_(bar), colouring_(colouring) {}

    // True when the text was replaced.
    bool run();

private:
    Workspace& ws_;
    EditorBuffer& editor_;
    Documents& documents_;
    ProgressBar& bar_;
    DocumentColouring& colouring_;
};

}  // namespace tamsel
