// Does nothing: only its version resource matters.
int main()
{
    return 0;
}
