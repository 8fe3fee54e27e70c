#include "find_file.h"
#include "find_file_dlg.h"
#include "find_file_lists.h"

int FindFile(FindFileRequest* request)
{
    if (!request || request->structSize != sizeof(FindFileRequest) || !request->file || request->fileSize == 0)
        return 0;
    // The dialog changes drive and directory as the user moves about and
    // searches; the caller gets back the ones it had.
    std::string saved = find_file::CurrentDirectory();
    INT_PTR result = 0;
    {
        find_file::CFindFileDlg dialog(*request);
        result = dialog.Run();
    }
    if (!saved.empty())
        SetCurrentDirectoryA(saved.c_str());
    return result == 1 ? 1 : 0;
}
