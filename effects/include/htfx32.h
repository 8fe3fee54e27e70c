/* Picture effects library HTFX32: colour adjustment, flip and colour-keyed
 * composition of pictures in the caller's memory, in a window, or delivered
 * row by row through the caller's functions.
 *
 * Every export takes the address of a request block that the caller owns and
 * returns a result code.  Fields holding an address, a window or a function
 * are pointer-sized; in a 32-bit build every field is 32 bits wide. */
#ifndef HTFX32_H
#define HTFX32_H

#include <stddef.h>
#include <stdint.h>

#ifdef _WIN32
#define HTFX_API __stdcall
#define HTFX_ROWPROC __cdecl
#else
#define HTFX_API
#define HTFX_ROWPROC
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Result codes. */
enum {
    HTFX_OK = 0,
    HTFX_INVALID_REQUEST = 1,
    HTFX_NO_TEMP_FILE = 2,
    HTFX_NO_MEMORY = 3,
    HTFX_NO_CAPTURE = 4,
    HTFX_NO_PREVIEW = 5
};

/* Stream kinds. */
enum {
    HTFX_KIND_FUNCTION = 0, /* reader (source) or writer (destination) */
    HTFX_KIND_MEMORY = 1,   /* picture in the caller's memory */
    HTFX_KIND_WINDOW = 2    /* window handle: client area captured from the screen (source only) */
};

/* Stream formats. */
enum {
    HTFX_FORMAT_RAW = 256,   /* rows of blue, green, red bytes, each row padded to 4 bytes */
    HTFX_FORMAT_OTHER = 257, /* 3-byte pixels taken as they are (overlay only) */
    HTFX_FORMAT_DIB = 258,   /* packed device-independent bitmap */
    HTFX_FORMAT_YUV = 259    /* rows of Y, U, V bytes (U and V signed), padded to 4 bytes */
};

/* Overlay key types. */
enum { HTFX_KEYS_EXACT = 512, HTFX_KEYS_RANGE = 513 };

/* Channel mask bits of the combined adjustment. */
enum {
    HTFX_CHANNEL_RED = 0x01,
    HTFX_CHANNEL_GREEN = 0x02,
    HTFX_CHANNEL_BLUE = 0x04,
    HTFX_CHANNEL_HUE = 0x08,
    HTFX_CHANNEL_BRIGHTNESS = 0x10,
    HTFX_CHANNEL_SATURATION = 0x20,
    HTFX_CHANNEL_CONTRAST = 0x40
};

/* Flip mask bits. */
enum { HTFX_FLIP_HORIZONTAL = 1, HTFX_FLIP_VERTICAL = 2 };

/* Row functions, called once per row with the row buffer and its byte count.
 * The combined adjustment passes the buffer twice to its reader and writer,
 * the single-channel adjustments twice to their writer; the others once. */
typedef void(HTFX_ROWPROC* HtfxRowProc)(unsigned char* row, int32_t bytes);
typedef void(HTFX_ROWPROC* HtfxRowProc2)(unsigned char* row, unsigned char* same_row, int32_t bytes);

/* The value of a stream: which member counts follows from the stream kind. */
typedef union HtfxStreamValue {
    void* address;      /* kind 1 */
    void* window;       /* kind 2: the window handle */
    HtfxRowProc proc;   /* kind 0, called with (row, bytes) */
    HtfxRowProc2 proc2; /* kind 0, called with (row, row, bytes) */
} HtfxStreamValue;

typedef struct HtfxStream {
    int32_t kind;
    int32_t format;
    HtfxStreamValue value;
} HtfxStream;

/* Seven adjustments in amount order. */
enum { HTFX_RED, HTFX_GREEN, HTFX_BLUE, HTFX_HUE, HTFX_BRIGHTNESS, HTFX_SATURATION, HTFX_CONTRAST, HTFX_ADJUSTMENTS };

typedef struct HtfxColorAdjustAllRequest {
    HtfxStream source;
    int32_t width;
    int32_t rows;
    int32_t amount[HTFX_ADJUSTMENTS]; /* 0 ... range; range / 2 = no change */
    int32_t range[HTFX_ADJUSTMENTS];
    int32_t channel_mask;
    void* owner;         /* owner window of the preview dialog */
    int32_t reserved;    /* 0 */
    int32_t start_state; /* 1: the amounts already differ from neutral */
    int32_t preview;     /* 1: show the preview dialog, 0: apply at once */
    HtfxStream destination;
} HtfxColorAdjustAllRequest;

typedef struct HtfxColorAdjustRequest {
    HtfxStream source;
    int32_t width;
    int32_t rows;
    int32_t amount;
    int32_t range;
    HtfxStream destination;
} HtfxColorAdjustRequest;

typedef struct HtfxFlipRequest {
    HtfxStream source;
    int32_t width;
    int32_t rows;
    int32_t mask;
    HtfxStream destination;
} HtfxFlipRequest;

typedef struct HtfxOverlayRequest {
    HtfxStream a;
    int32_t a_width;
    int32_t a_rows;
    int32_t a_key_type;
    int32_t a_key_count;
    unsigned char* a_keys; /* 3 bytes per exact key, 6 per range key */
    int32_t offset_x;      /* > 0 skips leading pixels of B, < 0 of A */
    int32_t offset_y;      /* > 0 skips leading rows of B, < 0 of A */
    HtfxStream b;
    int32_t b_width;
    int32_t b_rows;
    int32_t b_key_type;
    int32_t b_key_count;
    unsigned char* b_keys;
    HtfxStream destination;
    int32_t last_row_pixels; /* result: bytes of the last written row / 3 */
    int32_t rows_written;    /* result */
} HtfxOverlayRequest;

int32_t HTFX_API htfx_Flip(HtfxFlipRequest* request);                 /* ordinal 3 */
int32_t HTFX_API htfx_ColorAdjustAll(HtfxColorAdjustAllRequest* request); /* ordinal 4 */
int32_t HTFX_API htfx_OverlayStreams(HtfxOverlayRequest* request);    /* ordinal 5 */
int32_t HTFX_API htfx_ColorAdjustRed(HtfxColorAdjustRequest* request);        /* 6 */
int32_t HTFX_API htfx_ColorAdjustGreen(HtfxColorAdjustRequest* request);      /* 7 */
int32_t HTFX_API htfx_ColorAdjustBlue(HtfxColorAdjustRequest* request);       /* 8 */
int32_t HTFX_API htfx_ColorAdjustHue(HtfxColorAdjustRequest* request);        /* 9 */
int32_t HTFX_API htfx_ColorAdjustSaturation(HtfxColorAdjustRequest* request); /* 10 */
int32_t HTFX_API htfx_ColorAdjustBrightness(HtfxColorAdjustRequest* request); /* 11 */
int32_t HTFX_API htfx_ColorAdjustContrast(HtfxColorAdjustRequest* request);   /* 12 */

#ifdef __cplusplus
}
#endif

#if defined(__cplusplus) && defined(_WIN32) && !defined(_WIN64)
/* The 32-bit layouts every caller of the product relies on. */
static_assert(sizeof(HtfxColorAdjustAllRequest) == 108, "combined request is 27 fields");
static_assert(offsetof(HtfxColorAdjustAllRequest, channel_mask) == 19 * 4, "mask is field 19");
static_assert(offsetof(HtfxColorAdjustAllRequest, destination) == 24 * 4, "destination is field 24");
static_assert(sizeof(HtfxColorAdjustRequest) == 40, "single-channel request is 10 fields");
static_assert(offsetof(HtfxColorAdjustRequest, destination) == 7 * 4, "destination is field 7");
static_assert(sizeof(HtfxFlipRequest) == 36, "flip request is 9 fields");
static_assert(offsetof(HtfxFlipRequest, destination) == 6 * 4, "destination is field 6");
static_assert(sizeof(HtfxOverlayRequest) == 92, "overlay request is 23 fields");
static_assert(offsetof(HtfxOverlayRequest, b) == 10 * 4, "B is field 10");
static_assert(offsetof(HtfxOverlayRequest, destination) == 18 * 4, "destination is field 18");
static_assert(offsetof(HtfxOverlayRequest, rows_written) == 22 * 4, "rows written is field 22");
#endif

#endif
