/* Counts what the game asks of OpenGL, for bench/game_frame_rate.sh: loaded
 * with LD_PRELOAD in front of libGL, it passes every call on and writes to
 * $GL_COUNT_FILE, every 64 swaps, the draw calls, triangles and vertices of
 * the last 64 frames per frame, and once per upload, each texture's level,
 * size and formats. A tool of the bench, not of the game. */
#define _GNU_SOURCE
#include <GL/gl.h>
#include <GL/glx.h>
#include <dlfcn.h>
#include <stdio.h>
#include <stdlib.h>

enum { WINDOW_FRAMES = 64 };

static unsigned long draws, triangles, vertices, immediateDraws, frames;
static GLenum immediateMode;
static unsigned long immediateVertices;

static FILE* out(void)
{
    static FILE* file;
    if (!file) {
        const char* name = getenv("GL_COUNT_FILE");
        file = fopen(name ? name : "/dev/null", "w");
        if (file)
            setvbuf(file, 0, _IOLBF, 0);
    }
    return file;
}

static void* next(const char* name)
{
    void* function = dlsym(RTLD_NEXT, name);
    if (!function) {
        fprintf(stderr, "gl_count: no %s after us\n", name);
        abort();
    }
    return function;
}

static unsigned long trianglesOf(GLenum mode, unsigned long count)
{
    switch (mode) {
    case GL_TRIANGLES: return count / 3;
    case GL_TRIANGLE_STRIP:
    case GL_TRIANGLE_FAN:
    case GL_POLYGON: return count >= 3 ? count - 2 : 0;
    case GL_QUADS: return count / 4 * 2;
    case GL_QUAD_STRIP: return count >= 4 ? (count - 2) / 2 * 2 : 0;
    default: return 0;
    }
}

static void counted(GLenum mode, unsigned long count)
{
    ++draws;
    vertices += count;
    triangles += trianglesOf(mode, count);
}

void glDrawElements(GLenum mode, GLsizei count, GLenum type, const void* indices)
{
    static void (*real)(GLenum, GLsizei, GLenum, const void*);
    if (!real)
        real = next("glDrawElements");
    counted(mode, (unsigned long)count);
    real(mode, count, type, indices);
}

void glDrawArrays(GLenum mode, GLint first, GLsizei count)
{
    static void (*real)(GLenum, GLint, GLsizei);
    if (!real)
        real = next("glDrawArrays");
    counted(mode, (unsigned long)count);
    real(mode, first, count);
}

void glBegin(GLenum mode)
{
    static void (*real)(GLenum);
    if (!real)
        real = next("glBegin");
    immediateMode = mode;
    immediateVertices = 0;
    real(mode);
}

/* The engine's 2D images and rectangles give their corners one by one. */
void glVertex2f(GLfloat x, GLfloat y)
{
    static void (*real)(GLfloat, GLfloat);
    if (!real)
        real = next("glVertex2f");
    ++immediateVertices;
    real(x, y);
}

void glVertex2i(GLint x, GLint y)
{
    static void (*real)(GLint, GLint);
    if (!real)
        real = next("glVertex2i");
    ++immediateVertices;
    real(x, y);
}

void glVertex3f(GLfloat x, GLfloat y, GLfloat z)
{
    static void (*real)(GLfloat, GLfloat, GLfloat);
    if (!real)
        real = next("glVertex3f");
    ++immediateVertices;
    real(x, y, z);
}

void glEnd(void)
{
    static void (*real)(void);
    if (!real)
        real = next("glEnd");
    ++immediateDraws;
    counted(immediateMode, immediateVertices);
    real();
}

void glTexImage2D(GLenum target, GLint level, GLint internalFormat, GLsizei width, GLsizei height, GLint border,
                  GLenum format, GLenum type, const void* pixels)
{
    static void (*real)(GLenum, GLint, GLint, GLsizei, GLsizei, GLint, GLenum, GLenum, const void*);
    if (!real)
        real = next("glTexImage2D");
    if (out())
        fprintf(out(), "texture level %d %dx%d internal 0x%04x format 0x%04x type 0x%04x\n", level, width, height,
                internalFormat, format, type);
    real(target, level, internalFormat, width, height, border, format, type, pixels);
}

void glXSwapBuffers(Display* display, GLXDrawable drawable)
{
    static void (*real)(Display*, GLXDrawable);
    if (!real)
        real = next("glXSwapBuffers");
    if (++frames % WINDOW_FRAMES == 0) {
        if (out())
            fprintf(out(), "frame %lu draws %.1f immediate %.1f triangles %.0f vertices %.0f\n", frames,
                    draws / (double)WINDOW_FRAMES, immediateDraws / (double)WINDOW_FRAMES,
                    triangles / (double)WINDOW_FRAMES, vertices / (double)WINDOW_FRAMES);
        draws = triangles = vertices = immediateDraws = 0;
    }
    real(display, drawable);
}
