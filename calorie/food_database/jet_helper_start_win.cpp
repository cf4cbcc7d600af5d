#include "jet_helper_start.h"

#include "jet_reader_limits.h"

#include <QProcess>

#include <windows.h>

#include <tlhelp32.h>

namespace {

// One job for every helper of this run, with the helper's limits on each process in it.
// Its handle lives as long as the program, and Windows ends what is in it when the program
// ends, however that happens.
HANDLE 读取程序作业()
{
    static const HANDLE 作业 = [] {
        const HANDLE 新 = CreateJobObjectW(nullptr, nullptr);
        JOBOBJECT_EXTENDED_LIMIT_INFORMATION 限制{};
        限制.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_PROCESS_MEMORY | JOB_OBJECT_LIMIT_PROCESS_TIME
            | JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE | JOB_OBJECT_LIMIT_DIE_ON_UNHANDLED_EXCEPTION;
        限制.BasicLimitInformation.PerProcessUserTimeLimit.QuadPart = jet_reader::processor_seconds * 10'000'000LL;
        限制.ProcessMemoryLimit = jet_reader::memory_limit;
        if (新 && !SetInformationJobObject(新, JobObjectExtendedLimitInformation, &限制, sizeof 限制)) {
            CloseHandle(新);
            return HANDLE(nullptr);
        }
        return 新;
    }();
    return 作业;
}

// Lets a process made suspended run: its first thread is the only one it has.
void 放行(DWORD 进程号)
{
    const HANDLE 快照 = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    if (快照 == INVALID_HANDLE_VALUE) return;
    THREADENTRY32 线程{};
    线程.dwSize = sizeof 线程;
    for (BOOL 有 = Thread32First(快照, &线程); 有; 有 = Thread32Next(快照, &线程)) {
        if (线程.th32OwnerProcessID != 进程号) continue;
        if (const HANDLE 句柄 = OpenThread(THREAD_SUSPEND_RESUME, FALSE, 线程.th32ThreadID)) {
            ResumeThread(句柄);
            CloseHandle(句柄);
        }
    }
    CloseHandle(快照);
}

}  // namespace

// The helper is made suspended and put into the job before it runs a single instruction
// of its own; a helper that cannot be bounded is ended unread.
void 启动读取程序(QProcess& 进程, const QString& 读取程序, const QString& 路径)
{
    进程.setCreateProcessArgumentsModifier([](QProcess::CreateProcessArguments* 参数) { 参数->flags |= CREATE_SUSPENDED; });
    进程.start(读取程序, {路径}, QIODevice::ReadOnly);
    if (!进程.waitForStarted()) return;
    const DWORD 进程号 = static_cast<DWORD>(进程.processId());
    const HANDLE 句柄 = OpenProcess(PROCESS_SET_QUOTA | PROCESS_TERMINATE, FALSE, 进程号);
    const bool 已限 = 句柄 && 读取程序作业() && AssignProcessToJobObject(读取程序作业(), 句柄);
    if (句柄) CloseHandle(句柄);
    if (!已限) {
        进程.kill();
        return;
    }
    放行(进程号);
}
