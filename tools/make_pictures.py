#!/usr/bin/python3
"""Draw Sorvane's pictures into resources/pictures/.

Needs only Pillow (python3-pil) and the DejaVu fonts.  The output is fully
deterministic: the few "random" details come from a generator with a fixed
seed, so running the script again gives the same files.

    background.bmp   800 x 533 RGB   main menu background (32-bit top-down bitmap,
                                     painted at start-up where it lies in the program)
    logo.png          68 x 60  RGB   program logo (placed on the background)
    icon.png          32 x 32  RGBA  window icon
    about_panel.png   68 x 232 RGB   side banner of the About box
"""

import math
import os
import random
import struct
import sys

from PIL import Image, ImageChops, ImageDraw, ImageFilter, ImageFont

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
OUT_DIR = os.path.join(ROOT, "resources", "pictures")
FONT_DIR = "/usr/share/fonts/truetype/dejavu"

NAME = "Sorvane"

# Palette shared by all pictures.
NAVY = (22, 34, 52)
STEEL = (58, 82, 106)
STEEL_LIGHT = (120, 146, 170)
AMBER = (242, 150, 40)
AMBER_LIGHT = (255, 196, 96)
CYAN = (110, 210, 235)
PALE = (236, 242, 248)
SILHOUETTE = (12, 18, 26)

# Where the logo sits on the background (see the main menu layout).
LOGO_POS = (720, 48)
LOGO_SIZE = (68, 60)
HORIZON = 420


def font(name, size):
    return ImageFont.truetype(os.path.join(FONT_DIR, name), size)


def lerp(a, b, t):
    return a + (b - a) * t


def mix(c1, c2, t):
    t = max(0.0, min(1.0, t))
    return tuple(int(round(lerp(x, y, t))) for x, y in zip(c1, c2))


def smooth(t):
    t = max(0.0, min(1.0, t))
    return t * t * (3 - 2 * t)


def vertical_gradient(size, stops):
    """RGB image with a vertical gradient; stops = [(pos 0..1, colour)]."""
    w, h = size
    column = Image.new("RGB", (1, h))
    px = column.load()
    for y in range(h):
        t = y / max(1, h - 1)
        for (p0, c0), (p1, c1) in zip(stops, stops[1:]):
            if p0 <= t <= p1:
                px[0, y] = mix(c0, c1, (t - p0) / max(1e-9, p1 - p0))
                break
    return column.resize((w, h), Image.NEAREST)


def horizontal_gradient(size, stops):
    w, h = size
    return vertical_gradient((h, w), stops).transpose(Image.TRANSPOSE)


# ---------------------------------------------------------------------------
# Emblem: a hexagonal badge with a stylised "S".  Used by the logo, the icon
# and the About banner.
# ---------------------------------------------------------------------------

def hexagon(cx, cy, r, flat=False):
    start = 0 if flat else 30
    return [(cx + r * math.cos(math.radians(start + 60 * i)),
             cy + r * math.sin(math.radians(start + 60 * i)))
            for i in range(6)]


def draw_emblem(img, cx, cy, r):
    """Draw the emblem (antialiasing is left to the caller's supersampling)."""
    d = ImageDraw.Draw(img)
    d.polygon(hexagon(cx, cy, r), fill=AMBER)
    d.polygon(hexagon(cx, cy, r * 0.86), fill=NAVY)
    # Lower half slightly lighter: a simple bevel.
    inner = hexagon(cx, cy, r * 0.86)
    d.polygon([inner[0], inner[1], inner[2], inner[3]],
              fill=mix(NAVY, STEEL, 0.55))
    # Visor bar across the middle, behind the letter.
    bar_h = r * 0.16
    d.rectangle([cx - r * 0.74, cy - bar_h / 2, cx + r * 0.74, cy + bar_h / 2],
                fill=mix(STEEL, CYAN, 0.35))
    f = font("DejaVuSans-Bold.ttf", int(r * 1.45))
    d.text((cx, cy + r * 0.02), "S", font=f, fill=AMBER_LIGHT, anchor="mm",
           stroke_width=max(1, int(round(r * 0.07))), stroke_fill=NAVY)


# ---------------------------------------------------------------------------
# Background
# ---------------------------------------------------------------------------

def draw_mech(d, x, y, s, body, rim, facing=1):
    """A two-legged walker in side view, feet at (x, y), height about 200*s.

    facing = 1 points the guns to the right, -1 to the left.
    """
    def P(px, py):
        return (x + facing * px * s, y + py * s)

    def leg(dx, colour, width):
        pts = [P(dx + 2, -112), P(dx + 30, -72), P(dx - 8, -28), P(dx + 4, -4)]
        d.line(pts, fill=colour, width=int(width * s), joint="curve")
        for jx, jy in ((dx + 30, -72), (dx - 8, -28)):
            rr = width * 0.62
            d.ellipse([P(jx - rr, jy - rr), P(jx + rr, jy + rr)], fill=colour)
        d.polygon([P(dx - 22, 0), P(dx + 28, 0), P(dx + 20, -9),
                   P(dx - 14, -9)], fill=colour)

    back = mix(body, (60, 78, 96), 0.35)
    leg(-16, back, 13)
    leg(6, body, 15)
    # Hip block and hull.
    d.polygon([P(-22, -104), P(24, -104), P(30, -124), P(-28, -124)], fill=body)
    hull = [P(-62, -150), P(-18, -166), P(40, -164), P(70, -146),
            P(64, -124), P(20, -112), P(-40, -114), P(-66, -130)]
    d.polygon(hull, fill=body)
    # Rim light along the top of the hull.
    d.line([P(-62, -150), P(-18, -166), P(40, -164), P(70, -146)],
           fill=rim, width=max(1, int(2.2 * s)), joint="curve")
    # Cockpit slit.
    d.polygon([P(38, -150), P(62, -143), P(60, -138), P(36, -143)],
              fill=mix(rim, (255, 255, 255), 0.3))
    # Twin cannon under the hull.
    d.polygon([P(30, -130), P(118, -130), P(118, -124), P(30, -124)],
              fill=body)
    d.polygon([P(30, -120), P(104, -120), P(104, -115), P(30, -115)],
              fill=body)
    d.polygon([P(112, -131), P(120, -131), P(120, -123), P(112, -123)],
              fill=body)
    # Missile pod on the back and an antenna.
    d.polygon([P(-56, -152), P(-30, -160), P(-26, -176), P(-58, -170)],
              fill=body)
    d.line([P(-44, -172), P(-50, -204)], fill=body, width=max(1, int(2 * s)))
    d.ellipse([P(-52, -207), P(-47, -202)], fill=AMBER)


def draw_dropship(d, x, y, s, body, glow, facing=1):
    """A transport craft in side view, nose pointing right (facing = 1)."""
    def P(px, py):
        return (x + facing * px * s, y + py * s)

    # Exhaust glow behind the two engines (drawn first, engines cover it).
    for ex, ey in ((-26, 12), (-18, 22)):
        for k in range(6, 0, -1):
            c = mix(body, glow, 1 - k / 7.0)
            (ax, ay) = P(ex - 6 - 5 * k, ey - 1.2 * k)
            (bx, by) = P(ex + 4, ey + 1.2 * k)
            d.ellipse([min(ax, bx), min(ay, by), max(ax, bx), max(ay, by)],
                      fill=c)
    hull = [P(-80, -6), P(-40, -18), P(40, -20), P(92, -10), P(112, 2),
            P(92, 12), P(30, 18), P(-50, 14), P(-84, 6)]
    d.polygon(hull, fill=body)
    # Tail fin and wing.
    d.polygon([P(-78, -4), P(-96, -34), P(-84, -36), P(-52, -12)], fill=body)
    d.polygon([P(-30, 4), P(20, 4), P(0, 26), P(-44, 26)], fill=body)
    # Engine nacelles.
    for ex, ey in ((-26, 12), (-18, 22)):
        d.polygon([P(ex, ey - 5), P(ex + 60, ey - 4), P(ex + 66, ey),
                   P(ex + 60, ey + 4), P(ex, ey + 5)], fill=body)
    # Canopy glint.
    d.polygon([P(70, -12), P(96, -4), P(90, -1), P(66, -6)], fill=glow)
    d.line([P(-40, -18), P(40, -20), P(92, -10)],
           fill=mix(body, (160, 190, 210), 0.5), width=max(1, int(1.5 * s)))


def ground_grid(S):
    """Perspective grid below the horizon as a mask, fading towards it."""
    W, H = 800 * S, 533 * S
    horizon = HORIZON * S
    vx = 620 * S
    grid_layer = Image.new("L", (W, H), 0)
    gd = ImageDraw.Draw(grid_layer)
    for i in range(-24, 25):
        gd.line([(vx + i * 2 * S, horizon), (vx + i * 64 * S, H)], fill=150,
                width=max(1, int(1.2 * S)))
    k = 1.0
    while True:
        yy = horizon + (2.0 * k * k) * S
        if yy > H:
            break
        gd.line([(0, yy), (W, yy)], fill=150, width=max(1, int(1.2 * S)))
        k += 1
    fade = vertical_gradient((W, H), [(0.0, (0, 0, 0)),
                                      (HORIZON / 533.0, (0, 0, 0)),
                                      (1.0, (255, 255, 255))]).convert("L")
    return ImageChops.multiply(grid_layer, fade)


def make_scene(S):
    """The dark sci-fi scene for the right-hand side, at S times full size."""
    W, H = 800 * S, 533 * S
    horizon = HORIZON * S
    img = vertical_gradient((W, H), [
        (0.00, (96, 116, 138)),
        (0.26, (30, 44, 64)),
        (0.40, (34, 50, 72)),
        (0.74, (84, 102, 120)),
        (0.782, (170, 132, 100)),   # thin warm glow along the horizon
        (0.789, (44, 52, 62)),
        (1.00, (22, 28, 36)),
    ])
    d = ImageDraw.Draw(img)

    # Stars, fixed seed.
    rng = random.Random(2142)
    for _ in range(120):
        sx = rng.uniform(420, 800) * S
        sy = rng.uniform(110, 360) * S
        b = rng.uniform(0.2, 0.85)
        r = rng.choice((0.5, 0.6, 0.8, 1.0)) * S
        c = mix((40, 56, 78), (230, 238, 255), b)
        d.ellipse([sx - r, sy - r, sx + r, sy + r], fill=c)

    # The program's name, large and faint, behind everything in the sky.
    nf = font("DejaVuSans-Bold.ttf", 50 * S)
    name_layer = Image.new("L", (W, H), 0)
    ImageDraw.Draw(name_layer).text((652 * S, 318 * S), NAME, font=nf,
                                    fill=255, anchor="mm")
    img.paste(Image.new("RGB", (W, H), (150, 176, 200)), (0, 0),
              name_layer.point(lambda v: int(v * 0.22)))

    # Planet with a ring, lit from the upper left.
    pcx, pcy, pr = 716 * S, 232 * S, 64 * S
    planet = Image.new("RGB", (W, H))
    pd = ImageDraw.Draw(planet)
    steps = 60
    for i in range(steps):
        t = i / (steps - 1)
        r = pr * (1 - 0.9 * t)
        ox = -pr * 0.36 * t
        oy = -pr * 0.34 * t
        c = mix((30, 46, 66), (176, 196, 210), smooth(t) ** 0.85)
        pd.ellipse([pcx + ox - r, pcy + oy - r, pcx + ox + r, pcy + oy + r],
                   fill=c)
    pmask = Image.new("L", (W, H), 0)
    ImageDraw.Draw(pmask).ellipse([pcx - pr, pcy - pr, pcx + pr, pcy + pr],
                                  fill=255)
    img.paste(planet, (0, 0), pmask)

    # Ring, tilted: the half behind the planet is hidden by it.
    tilt = -16
    ring = Image.new("L", (W, H), 0)
    rd = ImageDraw.Draw(ring)
    rx, ry = pr * 1.7, pr * 0.36
    rd.ellipse([pcx - rx, pcy - ry, pcx + rx, pcy + ry], fill=255)
    rd.ellipse([pcx - rx * 0.86, pcy - ry * 0.78, pcx + rx * 0.86,
                pcy + ry * 0.78], fill=90)
    rd.ellipse([pcx - rx * 0.8, pcy - ry * 0.68, pcx + rx * 0.8,
                pcy + ry * 0.68], fill=0)
    ring = ring.rotate(tilt, center=(pcx, pcy), resample=Image.BICUBIC)
    back = Image.new("L", (W, H), 0)
    # Upper half (in the ring's own frame) lies behind the planet.
    ImageDraw.Draw(back).rectangle([0, 0, W, pcy], fill=255)
    back = back.rotate(tilt, center=(pcx, pcy), resample=Image.BICUBIC)
    hide = ImageChops.multiply(back, pmask)
    ring = ImageChops.subtract(ring, hide)
    img.paste(Image.new("RGB", (W, H), (200, 180, 150)), (0, 0),
              ring.point(lambda v: int(v * 0.75)))

    # A small moon.
    mx, my, mr = 566 * S, 184 * S, 10 * S
    d.ellipse([mx - mr, my - mr, mx + mr, my + mr], fill=(150, 166, 182))
    d.ellipse([mx - mr + 5 * S, my - mr - 3 * S, mx + mr + 5 * S,
               my + mr - 3 * S], fill=(32, 48, 70))

    # Distant ridge and city blocks on the horizon.
    ridge = [(380 * S, horizon)]
    for i in range(0, 43):
        xx = 380 + i * 10
        hh = 6 + 5 * math.sin(i * 0.7) + 4 * math.sin(i * 1.9 + 1)
        ridge.append((xx * S, horizon - hh * S))
    ridge.append((800 * S, horizon))
    d.polygon(ridge, fill=(50, 62, 76))
    for bx, bw, bh in ((470, 10, 22), (482, 6, 34), (490, 12, 16),
                       (540, 8, 26), (550, 14, 18), (606, 6, 40),
                       (614, 10, 24), (764, 12, 20), (778, 8, 30)):
        d.rectangle([bx * S, horizon - bh * S, (bx + bw) * S, horizon],
                    fill=(42, 54, 68))
    for bx, by in ((484, 30), (608, 36), (780, 26)):
        d.rectangle([bx * S, horizon - by * S, (bx + 2) * S,
                     horizon - (by - 2) * S], fill=AMBER)

    # Perspective grid on the ground.
    grid_layer = ground_grid(S)
    img.paste(Image.new("RGB", (W, H), (96, 180, 206)), (0, 0), grid_layer)

    # Dropship in the sky, walker on the ground; both face left, towards
    # the menu.
    draw_dropship(d, 596 * S, 258 * S, 0.5 * S, (20, 28, 40), CYAN,
                  facing=-1)
    d.ellipse([684 * S, 452 * S, 768 * S, 459 * S], fill=(12, 16, 22))
    draw_mech(d, 724 * S, 456 * S, 0.6 * S, SILHOUETTE, (110, 170, 196),
              facing=-1)
    return img


def make_background():
    S = 3
    W, H = 800 * S, 533 * S

    # Pale base: light sky/steel.
    base = vertical_gradient((W, H), [
        (0.0, (242, 246, 250)),
        (0.6, (228, 235, 242)),
        (1.0, (214, 223, 232)),
    ])
    # The horizon continues faintly into the light side.
    for i, yy in enumerate((HORIZON, HORIZON + 6, HORIZON + 14)):
        line = horizontal_gradient((W, S), [
            (0.0, (228, 235, 242)),
            (0.5, mix((228, 235, 242), STEEL_LIGHT, 0.45 - 0.12 * i)),
            (1.0, mix((228, 235, 242), STEEL_LIGHT, 0.45 - 0.12 * i))])
        base.paste(line, (0, yy * S))

    # The ground grid runs on, very faintly, into the light side.
    grid = ground_grid(S)
    ramp = horizontal_gradient((W, H), [(0.0, (0, 0, 0)),
                                        (0.7, (90, 90, 90)),
                                        (1.0, (90, 90, 90))]).convert("L")
    grid = ImageChops.multiply(grid, ramp)
    base.paste(Image.new("RGB", (W, H), STEEL_LIGHT), (0, 0), grid)

    scene = make_scene(S)

    # Soft mask: the scene fills the right-centre; the link column on the
    # left, the top-right corner (close button and logo) and the bottom
    # strip (contact label) stay light.
    mask = Image.new("L", (800, 533), 0)
    mpx = mask.load()
    for y in range(533):
        vy = smooth((y - 106) / 96.0) * (1 - smooth((y - 468) / 26.0))
        for x in range(800):
            hx = smooth((x - 430) / 170.0)
            mpx[x, y] = int(round(255 * hx * vy))
    mask = mask.resize((W, H), Image.BICUBIC)

    img = Image.composite(scene, base, mask)
    img = img.resize((800, 533), Image.LANCZOS)
    return img.convert("RGB")


# ---------------------------------------------------------------------------
# Logo, icon and About banner
# ---------------------------------------------------------------------------

def make_logo(background):
    S = 8
    w, h = LOGO_SIZE
    # Corners take the colour of the background under the logo, so the
    # badge blends in when it is placed on the main menu.
    x0, y0 = LOGO_POS
    corner = background.getpixel((x0 + 2, y0 + 2))
    img = Image.new("RGB", (w * S, h * S), corner)
    draw_emblem(img, w * S / 2, h * S / 2, 29.5 * S)
    return img.resize((w, h), Image.LANCZOS)


def make_icon():
    # A 16-colour look: draw at full size without smoothing, then keep a
    # small fixed palette.
    S = 4
    big = Image.new("RGBA", (32 * S, 32 * S), (0, 0, 0, 0))
    d = ImageDraw.Draw(big)
    c = 16 * S
    d.polygon(hexagon(c, c, 15.8 * S), fill=AMBER + (255,))
    d.polygon(hexagon(c, c, 13.2 * S), fill=NAVY + (255,))
    inner = hexagon(c, c, 13.2 * S)
    d.polygon([inner[0], inner[1], inner[2], inner[3]],
              fill=STEEL + (255,))
    d.rectangle([c - 11 * S, c - 1.5 * S, c + 11 * S, c + 1.5 * S],
                fill=mix(STEEL, CYAN, 0.5) + (255,))
    f = font("DejaVuSans-Bold.ttf", 23 * S)
    d.text((c, c + 0.5 * S), "S", font=f, fill=AMBER_LIGHT + (255,),
           anchor="mm", stroke_width=int(1.4 * S), stroke_fill=NAVY + (255,))
    small = big.resize((32, 32), Image.BOX)
    alpha = small.getchannel("A").point(lambda v: 255 if v >= 110 else 0)
    palette_colours = [NAVY, STEEL, mix(STEEL, CYAN, 0.5), AMBER,
                       AMBER_LIGHT, mix(NAVY, AMBER, 0.5),
                       mix(STEEL, AMBER_LIGHT, 0.5), mix(NAVY, STEEL, 0.5)]
    pal_img = Image.new("P", (1, 1))
    flat = []
    for col in palette_colours:
        flat.extend(col)
    flat.extend([0, 0, 0] * (256 - len(palette_colours)))
    pal_img.putpalette(flat)
    rgb = small.convert("RGB").quantize(palette=pal_img, dither=Image.NONE)
    out = rgb.convert("RGBA")
    out.putalpha(alpha)
    # Fully transparent pixels get a neutral colour value.
    px = out.load()
    for y in range(32):
        for x in range(32):
            if px[x, y][3] == 0:
                px[x, y] = (0, 0, 0, 0)
    return out


def make_about_panel():
    S = 4
    w, h = 68, 232
    W, H = w * S, h * S
    img = vertical_gradient((W, H), [
        (0.0, (16, 26, 42)),
        (0.55, (44, 66, 90)),
        (1.0, (104, 132, 156)),
    ])
    d = ImageDraw.Draw(img)
    # Thin amber accent lines on the right edge and at the bottom.
    d.rectangle([W - 3 * S, 0, W - 2 * S, H], fill=AMBER)
    d.rectangle([0, H - 6 * S, W, H - 5 * S], fill=mix(AMBER, (104, 132, 156), 0.3))
    # Faint grid.
    for yy in range(70, 222, 12):
        d.line([(4 * S, yy * S), (62 * S, yy * S)],
               fill=mix((44, 66, 90), CYAN, 0.12), width=max(1, S // 2))
    # Emblem at the top.
    draw_emblem(img, W / 2 - 1 * S, 34 * S, 25 * S)

    # The name, written bottom to top.
    f = font("DejaVuSans-Bold.ttf", 29 * S)
    bbox = f.getbbox(NAME, anchor="ls")
    tw = bbox[2] - bbox[0]
    th = -bbox[1] + max(0, bbox[3])
    text = Image.new("L", (tw + 8 * S, th + 8 * S), 0)
    ImageDraw.Draw(text).text((4 * S - bbox[0], 4 * S - bbox[1]), NAME,
                              font=f, fill=255, anchor="ls")
    text = text.rotate(90, expand=True)
    tx = (W - text.width) // 2 - 1 * S
    ty = 68 * S + (H - 68 * S - 8 * S - text.height) // 2
    shadow = text.filter(ImageFilter.GaussianBlur(2 * S))
    img.paste(Image.new("RGB", shadow.size, (6, 10, 18)),
              (tx + S, ty + S), shadow)
    img.paste(Image.new("RGB", text.size, PALE), (tx, ty), text)
    return img.resize((w, h), Image.LANCZOS)


def save_bitmap(img, name):
    """An uncompressed 32-bit bitmap, rows from the top, each pixel B, G, R
    and 255: its pixel array is a ready image the program paints without
    decoding or copying it."""
    path = os.path.join(OUT_DIR, name)
    w, h = img.size
    bgr = img.tobytes("raw", "BGR")
    pixels = bytearray(b"\xff" * (w * h * 4))
    for channel in range(3):
        pixels[channel::4] = bgr[channel::3]
    header = struct.pack("<2sIHHI", b"BM", 54 + len(pixels), 0, 0, 54)
    # A negative height: the rows run from the top; 3780 pixels a metre is 96 dpi.
    header += struct.pack("<IiiHHIIiiII", 40, w, -h, 1, 32, 0, len(pixels),
                          3780, 3780, 0, 0)
    with open(path, "wb") as out:
        out.write(header + bytes(pixels))
    print("%s: %dx%d 32-bit bitmap" % (os.path.relpath(path, ROOT), w, h))


def save(img, name):
    path = os.path.join(OUT_DIR, name)
    # No text chunks or timestamps, so the bytes depend only on the pixels.
    img.save(path, format="PNG", optimize=True)
    print("%s: %dx%d %s" % (os.path.relpath(path, ROOT), img.width,
                            img.height, img.mode))


def main():
    os.makedirs(OUT_DIR, exist_ok=True)
    background = make_background()
    logo = make_logo(background)
    icon = make_icon()
    about = make_about_panel()
    assert background.size == (800, 533) and background.mode == "RGB"
    assert logo.size == LOGO_SIZE and logo.mode == "RGB"
    assert icon.size == (32, 32) and icon.mode == "RGBA"
    assert about.size == (68, 232) and about.mode == "RGB"
    # The background is stored as a ready 32-bit bitmap: the main menu
    # paints it at start-up straight from the program's image, with no
    # decoding and no copy in memory.
    save_bitmap(background, "background.bmp")
    save(logo, "logo.png")
    save(icon, "icon.png")
    save(about, "about_panel.png")
    return 0


if __name__ == "__main__":
    sys.exit(main())
