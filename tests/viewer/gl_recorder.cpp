#include "gl_recorder.h"

#include "gl_context.h"
#include "viewer_context.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>

namespace {

std::vector<std::string> Calls;
std::map<const void*, std::string> PointerNames;
bool FailContext = false;
GLuint NextTextureName = 1;

std::string Enum(GLenum value) {
    static const std::map<GLenum, const char*> names = {
#define NAME(e) {e, #e}
        NAME(GL_PROJECTION), NAME(GL_MODELVIEW), NAME(GL_LIGHTING), NAME(GL_LIGHT0),
        NAME(GL_POSITION), NAME(GL_AMBIENT), NAME(GL_DIFFUSE), NAME(GL_SPECULAR),
        NAME(GL_CONSTANT_ATTENUATION), NAME(GL_LINEAR_ATTENUATION),
        NAME(GL_QUADRATIC_ATTENUATION), NAME(GL_FRONT), NAME(GL_EMISSION), NAME(GL_SHININESS),
        NAME(GL_FILL), NAME(GL_SMOOTH), NAME(GL_FLOAT), NAME(GL_VERTEX_ARRAY),
        NAME(GL_TEXTURE_COORD_ARRAY), NAME(GL_TEXTURE_2D), NAME(GL_RGBA), NAME(GL_TEXTURE_ENV),
        NAME(GL_TEXTURE_ENV_MODE), NAME(GL_MODULATE), NAME(GL_TEXTURE_MIN_FILTER),
        NAME(GL_TEXTURE_MAG_FILTER), NAME(GL_TEXTURE_WRAP_S), NAME(GL_TEXTURE_WRAP_T),
        NAME(GL_LINEAR), NAME(GL_REPEAT), NAME(GL_BLEND), NAME(GL_SRC_ALPHA),
        NAME(GL_ONE_MINUS_SRC_ALPHA), NAME(GL_DEPTH_TEST), NAME(GL_CULL_FACE),
        NAME(GL_TRIANGLES), NAME(GL_UNSIGNED_INT),
#undef NAME
    };
    const auto found = names.find(value);
    if (found != names.end()) return found->second;
    char text[16];
    std::snprintf(text, sizeof text, "0x%X", value);
    return text;
}

// The shortest text that reads back as the same value, so 0.2f shows as 0.2
// and the widened float 0.1 keeps all its digits.
template <typename Real>
std::string Number(Real value) {
    char text[40];
    if (value == Real(static_cast<long long>(value))) {
        std::snprintf(text, sizeof text, "%lld", static_cast<long long>(value));
        return text;
    }
    for (int precision = 1; precision <= 17; ++precision) {
        std::snprintf(text, sizeof text, "%.*g", precision, double(value));
        if (Real(std::strtod(text, nullptr)) == value) break;
    }
    return text;
}

// Pointers are named when the calls are taken: arrays are often made by the
// very routine under test, after which the test learns their addresses.
std::string PointerToken(const void* pointer) {
    char text[32];
    std::snprintf(text, sizeof text, "@%p@", pointer);
    return text;
}

std::string Pointer(const void* pointer) { return pointer ? PointerToken(pointer) : "NULL"; }

std::string NamePointers(std::string text) {
    for (std::size_t at; (at = text.find('@')) != std::string::npos;) {
        const std::size_t end = text.find('@', at + 1);
        const auto named = std::find_if(PointerNames.begin(), PointerNames.end(), [&](auto& entry) {
            return PointerToken(entry.first) == text.substr(at, end + 1 - at);
        });
        text.replace(at, end + 1 - at, named != PointerNames.end() ? named->second : "<pointer>");
    }
    return text;
}

std::string Floats(const GLfloat* values, int count) {
    std::string text = "{";
    for (int i = 0; i < count; ++i) text += (i ? ", " : "") + Number(values[i]);
    return text + "}";
}

template <typename... Args>
void Record(const char* name, const Args&... args) {
    std::string text = std::string(name) + "(";
    const char* separator = "";
    ((text += separator + std::string(args), separator = ", "), ...);
    Calls.push_back(text + ")");
}

std::string Int(long long value) { return std::to_string(value); }

}  // namespace

void ResetGlRecording() {
    Calls.clear();
    PointerNames.clear();
    FailContext = false;
    NextTextureName = 1;
}

std::vector<std::string> TakeGlCalls() {
    std::vector<std::string> taken;
    for (const std::string& call : Calls) taken.push_back(NamePointers(call));
    Calls.clear();
    return taken;
}

void NameGlPointer(const void* pointer, const std::string& name) { PointerNames[pointer] = name; }

void FailNextGLContext() { FailContext = true; }

int CreateGLContext(ViewerContext& context, HWND__* window, std::int32_t width,
                    std::int32_t height) {
    Record("CreateGLContext", Int(width), Int(height));
    context.height = height;
    context.window = window;
    context.width = width;
    context.deviceContext = reinterpret_cast<HDC__*>(0xDC);
    if (FailContext) {
        FailContext = false;
        return 1;
    }
    context.glContext = reinterpret_cast<HGLRC__*>(0x61);
    return 0;
}

void ReleaseGLContext(ViewerContext& context) {
    Record("ReleaseGLContext");
    context.glContext = nullptr;
    context.deviceContext = nullptr;
    context.width = 0;
    context.height = 0;
}

void SwapFrameBuffers(ViewerContext&) { Record("SwapBuffers"); }

extern "C" {

void glViewport(GLint x, GLint y, GLsizei width, GLsizei height) {
    Record("glViewport", Int(x), Int(y), Int(width), Int(height));
}
void glMatrixMode(GLenum mode) { Record("glMatrixMode", Enum(mode)); }
void glLoadIdentity() { Record("glLoadIdentity"); }
void glPushMatrix() { Record("glPushMatrix"); }
void glPopMatrix() { Record("glPopMatrix"); }
void glRotatef(GLfloat angle, GLfloat x, GLfloat y, GLfloat z) {
    Record("glRotatef", Number(angle), Number(x), Number(y), Number(z));
}
void glEnable(GLenum capability) { Record("glEnable", Enum(capability)); }
void glDisable(GLenum capability) { Record("glDisable", Enum(capability)); }
void glLightfv(GLenum light, GLenum name, const GLfloat* values) {
    Record("glLightfv", Enum(light), Enum(name), Floats(values, 4));
}
void glLightf(GLenum light, GLenum name, GLfloat value) {
    Record("glLightf", Enum(light), Enum(name), Number(value));
}
void glMaterialfv(GLenum face, GLenum name, const GLfloat* values) {
    Record("glMaterialfv", Enum(face), Enum(name), Floats(values, 4));
}
void glMaterialf(GLenum face, GLenum name, GLfloat value) {
    Record("glMaterialf", Enum(face), Enum(name), Number(value));
}
void glPolygonMode(GLenum face, GLenum mode) { Record("glPolygonMode", Enum(face), Enum(mode)); }
void glShadeModel(GLenum mode) { Record("glShadeModel", Enum(mode)); }
void glVertexPointer(GLint size, GLenum type, GLsizei stride, const GLvoid* pointer) {
    Record("glVertexPointer", Int(size), Enum(type), Int(stride), Pointer(pointer));
}
void glTexCoordPointer(GLint size, GLenum type, GLsizei stride, const GLvoid* pointer) {
    Record("glTexCoordPointer", Int(size), Enum(type), Int(stride), Pointer(pointer));
}
void glEnableClientState(GLenum array) { Record("glEnableClientState", Enum(array)); }
void glGenTextures(GLsizei count, GLuint* names) {
    for (GLsizei i = 0; i < count; ++i) names[i] = NextTextureName++;
    Record("glGenTextures", Int(count), Int(names[0]));
}
void glDeleteTextures(GLsizei count, const GLuint* names) {
    Record("glDeleteTextures", Int(count), Int(names[0]));
}
void glBindTexture(GLenum target, GLuint name) { Record("glBindTexture", Enum(target), Int(name)); }
void glTexImage2D(GLenum target, GLint level, GLint internalFormat, GLsizei width, GLsizei height,
                  GLint border, GLenum format, GLenum type, const GLvoid* pixels) {
    Record("glTexImage2D", Enum(target), Int(level), Int(internalFormat), Int(width), Int(height),
           Int(border), Enum(format), Enum(type), Pointer(pixels));
}
void glTexEnvi(GLenum target, GLenum name, GLint value) {
    Record("glTexEnvi", Enum(target), Enum(name), Enum(GLenum(value)));
}
void glTexParameteri(GLenum target, GLenum name, GLint value) {
    Record("glTexParameteri", Enum(target), Enum(name), Enum(GLenum(value)));
}
void glBlendFunc(GLenum source, GLenum destination) {
    Record("glBlendFunc", Enum(source), Enum(destination));
}
void glClearColor(GLclampf red, GLclampf green, GLclampf blue, GLclampf alpha) {
    Record("glClearColor", Number(red), Number(green), Number(blue), Number(alpha));
}
void glClear(GLbitfield mask) {
    Record("glClear", mask == (GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT)
                          ? "GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT"
                          : Enum(mask));
}
void glColor4f(GLfloat red, GLfloat green, GLfloat blue, GLfloat alpha) {
    Record("glColor4f", Number(red), Number(green), Number(blue), Number(alpha));
}
void glDrawElements(GLenum mode, GLsizei count, GLenum type, const GLvoid* indices) {
    Record("glDrawElements", Enum(mode), Int(count), Enum(type), Pointer(indices));
}
void gluPerspective(GLdouble fieldOfView, GLdouble aspect, GLdouble nearPlane, GLdouble farPlane) {
    Record("gluPerspective", Number(fieldOfView), Number(aspect), Number(nearPlane),
           Number(farPlane));
}
void gluLookAt(GLdouble eyeX, GLdouble eyeY, GLdouble eyeZ, GLdouble centreX, GLdouble centreY,
               GLdouble centreZ, GLdouble upX, GLdouble upY, GLdouble upZ) {
    Record("gluLookAt", Number(eyeX), Number(eyeY), Number(eyeZ), Number(centreX),
           Number(centreY), Number(centreZ), Number(upX), Number(upY), Number(upZ));
}

}  // extern "C"
