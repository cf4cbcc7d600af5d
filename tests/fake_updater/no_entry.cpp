// An updater library without the DoUpdate entry, for tests only.
extern "C" int SomethingElse()
{
    return 0;
}
