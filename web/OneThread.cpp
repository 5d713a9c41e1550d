// The page runs on one thread (no shared memory without cross-origin
// isolation, which a phone's cached copy cannot count on), but the table
// simulation hands its work to a std::thread even when asked for one. Here
// a thread's work is done at once, on the caller's thread, inside
// pthread_create; joining it then has nothing left to wait for. These strong
// definitions replace the library's stubs, which refuse every thread.
#include <pthread.h>

extern "C" int pthread_create(pthread_t* thread, const pthread_attr_t*, void* (*start)(void*), void* arg)
{
    static unsigned long s_nThreads = 0;
    start(arg);
    // Any id but the null one: std::thread joins only a thread that has one.
    *thread = static_cast<pthread_t>(++s_nThreads);
    return 0;
}

extern "C" int pthread_join(pthread_t, void** result)
{
    if (result)
        *result = nullptr;
    return 0;
}

extern "C" int pthread_detach(pthread_t)
{
    return 0;
}
