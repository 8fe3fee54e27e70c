// The library's exported entry points.
#include "color_adjust.h"
#include "flip.h"
#include "htfx32.h"
#include "overlay.h"

extern "C" {

int32_t HTFX_API htfx_Flip(HtfxFlipRequest* request)
{
    return htfx::Flip(request);
}

int32_t HTFX_API htfx_ColorAdjustAll(HtfxColorAdjustAllRequest* request)
{
    return htfx::ColorAdjustAll(request);
}

int32_t HTFX_API htfx_OverlayStreams(HtfxOverlayRequest* request)
{
    return htfx::OverlayStreams(request);
}

int32_t HTFX_API htfx_ColorAdjustRed(HtfxColorAdjustRequest* request)
{
    return htfx::ColorAdjustChannel(htfx::Channel::Red, request);
}

int32_t HTFX_API htfx_ColorAdjustGreen(HtfxColorAdjustRequest* request)
{
    return htfx::ColorAdjustChannel(htfx::Channel::Green, request);
}

int32_t HTFX_API htfx_ColorAdjustBlue(HtfxColorAdjustRequest* request)
{
    return htfx::ColorAdjustChannel(htfx::Channel::Blue, request);
}

int32_t HTFX_API htfx_ColorAdjustHue(HtfxColorAdjustRequest* request)
{
    return htfx::ColorAdjustChannel(htfx::Channel::Hue, request);
}

int32_t HTFX_API htfx_ColorAdjustSaturation(HtfxColorAdjustRequest* request)
{
    return htfx::ColorAdjustChannel(htfx::Channel::Saturation, request);
}

int32_t HTFX_API htfx_ColorAdjustBrightness(HtfxColorAdjustRequest* request)
{
    return htfx::ColorAdjustChannel(htfx::Channel::Brightness, request);
}

int32_t HTFX_API htfx_ColorAdjustContrast(HtfxColorAdjustRequest* request)
{
    return htfx::ColorAdjustChannel(htfx::Channel::Contrast, request);
}

}  // extern "C"
