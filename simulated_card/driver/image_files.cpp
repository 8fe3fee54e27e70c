#include "image_files.h"

#include <mmsystem.h>

namespace kxmci {

// Without the codecs library the driver keeps every other function and
// reports the file verbs as unsupported.
#ifndef KX_HAVE_CODECS
DWORD IdentifyImageFile(const std::wstring&, FileInfo&) { return MCIERR_UNSUPPORTED_FUNCTION; }
DWORD ReadImageFile(const std::wstring&, kxcard::Picture&) { return MCIERR_UNSUPPORTED_FUNCTION; }
DWORD WriteImageFile(const std::wstring&, const std::string&, const kxcard::Picture&)
{
    return MCIERR_UNSUPPORTED_FUNCTION;
}
#endif

} // namespace kxmci
