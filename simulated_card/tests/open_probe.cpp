// A second process for the one-holder test: tries to open the card, closes
// it again if that worked, and exits with winmm's result code.
#include <windows.h>
#include <mmsystem.h>

int main()
{
    MCIERROR rc = mciSendStringA("open overlay alias VCKX310", nullptr, 0, nullptr);
    if (rc == 0)
        mciSendStringA("close VCKX310 ", nullptr, 0, nullptr);
    return static_cast<int>(rc);
}
