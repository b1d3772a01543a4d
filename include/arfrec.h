// Host records shared by the drawing library and its host.
//
// Every non-pointer field sits at the byte offset the host's wire format
// gives it; the static_asserts below pin them. Pointer fields take the native
// width: on the 32-bit host BZI_WRT_PRM::head sits at 20 and the pointer
// triples of BZI_COM_PRM are 4 bytes each; a 64-bit build moves head to 24
// and widens the triples to 8 bytes (the block then ends at 2480, not 2276).
#pragma once

#include <cstddef>
#include <cstdint>

struct tagRPT {  // a point of the drawing plane
    double x, y;
};
struct tagRPT3D {  // a point of the part's 3-D placement
    double x, y, z;
};
struct tagRSEG {  // a line through (x1, y1) and (x2, y2)
    double x1, y1, x2, y2;
};
struct tagRCIR {  // circle: centre and radius
    double x, y, r;
};
struct tagRELL {  // ellipse: centre, semi-axis along x and along y before rotation, rotation in degrees
    double x, y, a, b, rot;
};
struct VECTS {  // three 3-D points
    tagRPT3D p[3];
};

// Part record: one placed fitting.
struct HEADTBL {
    int32_t hdr_len;        // 0
    uint8_t hdr_tag;        // 4
    uint8_t r5_[3];
    int32_t attr;           // 8
    uint8_t flag12;         // 12
    uint8_t r13_[3];
    int32_t pen;            // 16
    uint16_t line_type;     // 20
    int16_t npts;           // 22
    uint8_t b24, b25, b26;  // 24..26
    uint8_t r27_[7];
    uint8_t b34;            // 34
    uint8_t r35_[5];
    char part_code[10];     // 40, upper case, not zero-terminated
    uint8_t r50_[24];
    uint16_t w74;           // 74
    uint8_t attr_idx;       // 76: index into the settings' attribute table
    uint8_t r77_;
    uint8_t view_no;        // 78
    uint8_t r79_[2];
    uint8_t draw_mode;      // 81: 2 draws the true shape
    uint8_t r82_[18];
    uint8_t b100;           // 100
    uint8_t r101_[35];
    double part_len;        // 136: straight length
    uint8_t r144_[12];
    uint8_t b156, b157, b158;  // 156..158
    uint8_t r159_;
    int16_t size_a;         // 160
    int16_t dia_a;          // 162
    int16_t size_b;         // 164
    int16_t dia_b;          // 166
    int16_t size_c;         // 168
    int16_t dia_c;          // 170
    int16_t size_d;         // 172
    int16_t dia_d;          // 174
    uint8_t r176_[1232 - 176];
    tagRPT3D pt_a;          // 1232
    tagRPT3D pt_b;          // 1256
    tagRPT3D pt_c;          // 1280
    tagRPT3D pt_d;          // 1304
    uint8_t r1328_[1536 - 1328];
};

// Drawing settings. The attribute table holds 28-byte entries from offset 0:
// int32 at +4, pen at +20, line type at +24 (see shokich_attr_* below).
struct SHOKICH {
    uint8_t attr_tab[144];  // 0
    double len_scale;       // 144: point distance to length
    uint8_t r152_[24];
    int32_t size_threshold; // 176
    uint8_t r180_[100];
    uint8_t flag280;        // 280
    uint8_t r281_;
    uint8_t flag282;        // 282
    uint8_t r283_[5];
    uint8_t sample_flag;    // 288
    uint8_t r289_[39];
    int32_t i328;           // 328
    uint8_t len_from_pts;   // 332
    uint8_t r333_[512 - 333];
};

// Conversion record: the host's map from the local frame into the drawing.
struct HENKAN {
    double ox, oy;   // 0, 8
    double m[4];     // 16, 24, 32, 40: 2 x 2 matrix, row by row
    int32_t i48;     // 48
    int32_t r52_;
    double scale;    // 56
};

// Element-writing block (host global bzi_wrt_t).
struct BZI_WRT_PRM {
    int32_t mode;       // 0: only the free-radius entry touches it
    int32_t rec_len;    // 4
    int32_t elem_code;  // 8
    int32_t r12_;
    HENKAN* conv;       // 16
    HEADTBL* head;      // 20 on the 32-bit host, 24 in a 64-bit build
};

// Element record (host global bzifile).
struct BZI {
    int32_t rec_len;     // 0: 40 + 8 per geometry value
    uint8_t elem_tag;    // 4
    uint8_t r5_[3];
    int32_t attr;        // 8
    uint8_t flag12;      // 12
    uint8_t r13_[3];
    int32_t pen;         // 16
    uint16_t line_type;  // 20
    uint8_t r22_[4];
    uint8_t line_style;  // 26
    uint8_t r27_[13];
    double geo[9];       // 40
};

// One 56-byte record of the common-processing block.
struct COM_REC {
    uint8_t tag[4];     // 0: first byte 1 marks records some entries adjust
    int32_t i4, i8, i12;
    double value;       // 16
    int32_t i24, i28;
    double v32, v40, v48;
};

// Common-processing block handed to com_1st.
struct BZI_COM_PRM {
    int32_t hdr0, hdr1;      // 0
    uint8_t hdr_bytes[8];    // 8
    COM_REC rec[33];         // 16
    VECTS ref;               // 1864: reference points
    VECTS pts;               // 1936: points copied from the part record
    int32_t pairs[4][2];     // 2008: (nominal size, integer diameter) per end
    double dbl[4];           // 2040
    tagRPT3D* triples[17][3];  // 2072: pointers to points of the part record
};

inline constexpr int kProcListLen = 18;  // processing list: one host code per view code

static_assert(sizeof(tagRPT) == 16 && sizeof(tagRSEG) == 32 && sizeof(tagRCIR) == 24 &&
              sizeof(tagRELL) == 40 && sizeof(VECTS) == 72);
static_assert(offsetof(HEADTBL, pen) == 16 && offsetof(HEADTBL, line_type) == 20 &&
              offsetof(HEADTBL, npts) == 22 && offsetof(HEADTBL, b34) == 34 &&
              offsetof(HEADTBL, part_code) == 40 && offsetof(HEADTBL, w74) == 74 &&
              offsetof(HEADTBL, attr_idx) == 76 && offsetof(HEADTBL, view_no) == 78 &&
              offsetof(HEADTBL, draw_mode) == 81 && offsetof(HEADTBL, b100) == 100 &&
              offsetof(HEADTBL, part_len) == 136 && offsetof(HEADTBL, b156) == 156 &&
              offsetof(HEADTBL, size_a) == 160 && offsetof(HEADTBL, size_b) == 164 &&
              offsetof(HEADTBL, size_c) == 168 && offsetof(HEADTBL, dia_d) == 174 &&
              offsetof(HEADTBL, pt_a) == 1232 && offsetof(HEADTBL, pt_b) == 1256 &&
              offsetof(HEADTBL, pt_c) == 1280 && offsetof(HEADTBL, pt_d) == 1304);
static_assert(offsetof(SHOKICH, len_scale) == 144 && offsetof(SHOKICH, size_threshold) == 176 &&
              offsetof(SHOKICH, flag280) == 280 && offsetof(SHOKICH, flag282) == 282 &&
              offsetof(SHOKICH, sample_flag) == 288 && offsetof(SHOKICH, i328) == 328 &&
              offsetof(SHOKICH, len_from_pts) == 332);
static_assert(offsetof(HENKAN, m) == 16 && offsetof(HENKAN, i48) == 48 &&
              offsetof(HENKAN, scale) == 56);
static_assert(offsetof(BZI_WRT_PRM, rec_len) == 4 && offsetof(BZI_WRT_PRM, elem_code) == 8 &&
              offsetof(BZI_WRT_PRM, conv) == 16 &&
              offsetof(BZI_WRT_PRM, head) == (sizeof(void*) == 4 ? 20 : 24));
static_assert(offsetof(BZI, elem_tag) == 4 && offsetof(BZI, attr) == 8 &&
              offsetof(BZI, flag12) == 12 && offsetof(BZI, pen) == 16 &&
              offsetof(BZI, line_type) == 20 && offsetof(BZI, line_style) == 26 &&
              offsetof(BZI, geo) == 40 && sizeof(BZI) == 112);
static_assert(sizeof(COM_REC) == 56 && offsetof(COM_REC, value) == 16 &&
              offsetof(COM_REC, i24) == 24 && offsetof(COM_REC, v32) == 32);
static_assert(offsetof(BZI_COM_PRM, rec) == 16 && offsetof(BZI_COM_PRM, ref) == 1864 &&
              offsetof(BZI_COM_PRM, pts) == 1936 && offsetof(BZI_COM_PRM, pairs) == 2008 &&
              offsetof(BZI_COM_PRM, dbl) == 2040 && offsetof(BZI_COM_PRM, triples) == 2072);
