/* A host program built against an installed Tarvex: runs one problem input
 * file in a folder of its own and ends normally when the analysis does.
 *
 *   consumer INPUT FOLDER */
#include <stdio.h>
#include <stdlib.h>
#include <unistd.h>

#include <tarvex/tarvex.h>

int main(int argc, char** argv) {
    if (argc != 3) {
        fprintf(stderr, "usage: consumer INPUT FOLDER\n");
        return 2;
    }
    char input[4096];
    if (!realpath(argv[1], input) || chdir(argv[2]) != 0) {
        perror("consumer");
        return 2;
    }
    FILE* names = fopen("NAMES.DAT", "w");
    if (!names) {
        perror("consumer: NAMES.DAT");
        return 2;
    }
    fprintf(names, "%s\nrun.out\nrun.plt\nrun.msg\n", input);
    fclose(names);
    const int32_t rc = TGO(6030);
    printf("TGO returned %d\n", (int)rc);
    return rc <= 0 ? 0 : 1;
}
