// A program of nothing, linked with one whole layer and the layers below it.
int main() { return 0; }
