/* The least a program can do to show what the viewer shows: the same window,
 * pixel format, texture of 512 x 512 RGBA floats, GL state and 24 indices,
 * 60 frames a second on a high-resolution waitable timer (as fast as it can
 * with the argument "unpaced"), and nothing else. The viewer's frame rate,
 * CPU time and start-up time are measured against it. It reads the same
 * snapshot file and ends on a key. */
#include <windows.h>

#include <GL/gl.h>
#include <GL/glu.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#define REFERENCE_NAME "Tesselune_Reference"

enum { kWindowWidth = 1024, kWindowHeight = 768, kIndexCount = 24, kFramesPerSecond = 60 };

/* One vertex a row: front and back at z = +-2, top and bottom at y = +-1. */
static const GLfloat kPositions[16][4] = {
    {-1, -1, 2, 1}, {1, -1, 2, 1},   {1, 1, 2, 1},    {-1, 1, 2, 1},
    {1, -1, -2, 1}, {-1, -1, -2, 1}, {-1, 1, -2, 1},  {1, 1, -2, 1},
    {-1, 1, 1, 1},  {1, 1, 1, 1},    {1, 1, -1, 1},   {-1, 1, -1, 1},
    {1, -1, 1, 1},  {-1, -1, 1, 1},  {-1, -1, -1, 1}, {1, -1, -1, 1},
};

static const GLfloat kTextureCoordinates[16][2] = {
    {0, 0}, {1, 0}, {1, 1}, {0, 1}, {0, 0}, {1, 0}, {1, 1}, {0, 1},
    {0, 0}, {1, 0}, {1, 1}, {0, 1}, {0, 0}, {1, 0}, {1, 1}, {0, 1},
};

static const GLuint kIndices[kIndexCount] = {
    0, 1, 2, 2, 3, 0, 4, 5, 6, 6, 7, 4, 8, 9, 10, 10, 11, 8, 12, 13, 14, 14, 15, 12,
};

struct Reference {
    HWND window;
    HDC deviceContext;
    HGLRC glContext;
    int running;
    float angle;
    GLsizei pictureWidth;
    GLsizei pictureHeight;
    GLfloat* texels;
};

static unsigned ReadLittleEndian(const unsigned char* bytes, int count) {
    unsigned value = 0;
    for (int i = count - 1; i >= 0; --i) value = value << 8 | bytes[i];
    return value;
}

/* Straight from the file rows into RGBA floats; with no usable file the
 * panels go untextured, as the viewer's do. */
static void LoadPicture(struct Reference* reference) {
    const wchar_t* localAppData = _wgetenv(L"LOCALAPPDATA");
    wchar_t path[MAX_PATH];
    if (!localAppData ||
        _snwprintf(path, MAX_PATH, L"%ls\\Tesselune\\Tesselune.bmp", localAppData) < 0) {
        return;
    }
    path[MAX_PATH - 1] = L'\0';
    FILE* file = _wfopen(path, L"rb");
    if (!file) return;
    unsigned char header[54];
    unsigned char* row = NULL;
    if (fread(header, 1, sizeof header, file) == sizeof header &&
        ReadLittleEndian(header + 28, 2) == 24 && ReadLittleEndian(header + 30, 4) == 0) {
        const unsigned width = ReadLittleEndian(header + 18, 4);
        const unsigned height = ReadLittleEndian(header + 22, 4);
        const size_t stride = ((24 * (size_t)width + 31) / 32) * 4;
        GLfloat* texels = width <= 8192 && height <= 8192
                              ? malloc((size_t)width * height * 4 * sizeof *texels)
                              : NULL;
        row = malloc(stride ? stride : 1);
        unsigned r = 0;
        for (; texels && row && r < height && fread(row, 1, stride, file) == stride; ++r) {
            GLfloat* target = texels + (size_t)r * width * 4;
            for (unsigned c = 0; c < width; ++c) {
                target[4 * c + 0] = row[3 * c + 2] * (1.0f / 255.0f);
                target[4 * c + 1] = row[3 * c + 1] * (1.0f / 255.0f);
                target[4 * c + 2] = row[3 * c + 0] * (1.0f / 255.0f);
                target[4 * c + 3] = 1.0f;
            }
        }
        if (texels && r == height) {
            reference->texels = texels;
            reference->pictureWidth = (GLsizei)width;
            reference->pictureHeight = (GLsizei)height;
        } else {
            free(texels);
        }
    }
    free(row);
    fclose(file);
}

static int CreateContext(struct Reference* reference) {
    PIXELFORMATDESCRIPTOR descriptor = {0};
    descriptor.nSize = sizeof descriptor;
    descriptor.nVersion = 1;
    descriptor.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    descriptor.iPixelType = PFD_TYPE_RGBA;
    descriptor.cColorBits = 24;
    descriptor.cDepthBits = 32;
    descriptor.iLayerType = PFD_MAIN_PLANE;

    reference->deviceContext = GetDC(reference->window);
    if (!reference->deviceContext) return 0;
    const int format = ChoosePixelFormat(reference->deviceContext, &descriptor);
    if (!format || !SetPixelFormat(reference->deviceContext, format, &descriptor)) return 0;
    reference->glContext = wglCreateContext(reference->deviceContext);
    return reference->glContext && wglMakeCurrent(reference->deviceContext, reference->glContext);
}

static void ReleaseContext(struct Reference* reference) {
    if (reference->deviceContext) {
        wglMakeCurrent(reference->deviceContext, NULL);
        if (reference->glContext) wglDeleteContext(reference->glContext);
        ReleaseDC(reference->window, reference->deviceContext);
    }
    reference->glContext = NULL;
    reference->deviceContext = NULL;
}

static void SetUpScene(struct Reference* reference, int width, int height) {
    GLuint texture = 0;
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(60.0, (double)width / (double)height, (double)0.1f, 1024.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(0, 0, 4, 0, 0, 0, 0, 1, 0);
    glDisable(GL_LIGHTING);

    glVertexPointer(4, GL_FLOAT, 0, kPositions);
    glEnableClientState(GL_VERTEX_ARRAY);
    glTexCoordPointer(2, GL_FLOAT, 0, kTextureCoordinates);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);

    LoadPicture(reference);
    glEnable(GL_TEXTURE_2D);
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexImage2D(GL_TEXTURE_2D, 0, 4, reference->pictureWidth, reference->pictureHeight, 0, GL_RGBA,
                 GL_FLOAT, reference->texels);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_CULL_FACE);
}

static void Render(struct Reference* reference) {
    if (!reference->running) return;
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glPushMatrix();
    glRotatef(reference->angle, 1, 1, 0);
    reference->angle += 0.5f;
    glColor4f(1, 1, 1, 0.5f);
    glDrawElements(GL_TRIANGLES, kIndexCount, GL_UNSIGNED_INT, kIndices);
    glPopMatrix();
    SwapBuffers(reference->deviceContext);
}

static LRESULT CALLBACK ReferenceWindowProc(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
    struct Reference* reference = (struct Reference*)GetWindowLongPtrA(window, GWLP_USERDATA);
    PAINTSTRUCT paint;
    switch (message) {
        case WM_PAINT:
            BeginPaint(window, &paint);
            if (reference) Render(reference);
            EndPaint(window, &paint);
            return 0;
        case WM_KEYDOWN:
            if (reference) reference->running = 0;
            PostQuitMessage(0);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

/* Answers the queue; nonzero once WM_QUIT has come. */
static int Dispatch(void) {
    int quitting = 0;
    MSG message;
    while (PeekMessageA(&message, NULL, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) quitting = 1;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return quitting;
}

static LONGLONG Now(void) {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}

/* Waits for the next frame's turn on the timer, answering messages. */
static int WaitForFrame(HANDLE timer, LONGLONG* due, LONGLONG period, LONGLONG frequency) {
    const LONGLONG now = Now();
    LARGE_INTEGER wait;
    *due += period;
    if (*due < now) *due = now;
    wait.QuadPart = -((*due - now) * 10000000 / frequency) - 1;
    SetWaitableTimer(timer, &wait, 0, NULL, NULL, FALSE);
    while (MsgWaitForMultipleObjectsEx(1, &timer, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE) ==
           WAIT_OBJECT_0 + 1) {
        if (Dispatch()) return 1;
    }
    return 0;
}

static void Run(struct Reference* reference, int paced) {
    /* CREATE_WAITABLE_TIMER_HIGH_RESOLUTION, or an ordinary timer where Windows has none. */
    HANDLE timer = CreateWaitableTimerExW(NULL, NULL, 0x00000002, TIMER_ALL_ACCESS);
    if (!timer) timer = CreateWaitableTimerExW(NULL, NULL, 0, TIMER_ALL_ACCESS);
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    LONGLONG due = Now();
    for (int quitting = 0; !quitting;) {
        quitting = Dispatch();
        Render(reference);
        if (!quitting && paced && timer) {
            quitting = WaitForFrame(timer, &due, frequency.QuadPart / kFramesPerSecond,
                                    frequency.QuadPart);
        }
    }
    if (timer) CloseHandle(timer);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show) {
    (void)previous;
    (void)show;
    struct Reference reference = {0};
    const int paced = strstr(commandLine, "unpaced") == NULL;

    WNDCLASSEXA windowClass = {0};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_CLASSDC;
    windowClass.lpfnWndProc = ReferenceWindowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = REFERENCE_NAME;
    if (!RegisterClassExA(&windowClass)) return 0;
    ShowCursor(FALSE);

    reference.window =
        CreateWindowExA(0, REFERENCE_NAME, REFERENCE_NAME, WS_POPUP, 0, 0, kWindowWidth,
                        kWindowHeight, GetDesktopWindow(), NULL, instance, NULL);
    if (reference.window) {
        RECT client;
        SetWindowLongPtrA(reference.window, GWLP_USERDATA, (LONG_PTR)&reference);
        ShowWindow(reference.window, SW_SHOWDEFAULT);
        UpdateWindow(reference.window);
        GetClientRect(reference.window, &client);
        if (CreateContext(&reference)) {
            SetUpScene(&reference, client.right - client.left, client.bottom - client.top);
            reference.running = 1;
            Run(&reference, paced);
        }
        ReleaseContext(&reference);
    }
    free(reference.texels);
    UnregisterClassA(REFERENCE_NAME, instance);
    return 0;
}
