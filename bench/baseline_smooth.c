/* The plain stdio way to smooth an HRM file, kept as the yardstick for the benchmark:
 * fgets/fputs for the header, fscanf("%lf") for the samples, one malloc of 2 x count doubles,
 * fprintf for the output lines. Usage: baseline_smooth MODE IN OUT.
 *
 * It follows the same header rules and the same order of terms as hrsmooth, so on the
 * well-formed files the benchmark generates both outputs are byte for byte the same. Linux has
 * no text mode, so every line end is written as "\r\n" here. It is not a product: it does not
 * handle CR LF input, Ctrl-Z or lines longer than its buffer the way hrsmooth does. */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <strings.h>

static const double weights[8][7] = {
    {0, 0, 0, 1, 0, 0, 0},
    {0, 0, 0.25, 0.5, 0.25, 0, 0},
    {0, 0, 0.33333, 0.33334, 0.33333, 0, 0},
    {0, 0.1, 0.2, 0.4, 0.2, 0.1, 0},
    {0, 0.2, 0.2, 0.2, 0.2, 0.2, 0},
    {0.05, 0.1, 0.2, 0.3, 0.2, 0.1, 0.05},
    {0.1, 0.1, 0.2, 0.2, 0.2, 0.1, 0.1},
    {0.142, 0.142, 0.142, 0.148, 0.142, 0.142, 0.142},
};

/* Writes a line read by fgets with its LF as CR LF. */
static void put_line(const char* line, FILE* out)
{
    size_t n = strlen(line);
    if (n > 0 && line[n - 1] == '\n') {
        fwrite(line, 1, n - 1, out);
        fputs("\r\n", out);
    } else {
        fputs(line, out);
    }
}

/* atof of characters [from, from + size) of the line; 0 past its end. */
static double field(const char* line, size_t from, size_t size)
{
    char text[256];
    if (from >= strlen(line))
        return 0.0;
    strncpy(text, line + from, size);
    text[size] = '\0';
    return atof(text);
}

int main(int argc, char** argv)
{
    if (argc < 4) {
        printf("Usage: %s <filter mode #> infile outfile\n", argv[0]);
        return 1;
    }
    int mode = atoi(argv[1]);
    if (mode > 7)
        mode = 7;
    if (mode < 0)
        mode = 0;
    FILE* in = fopen(argv[2], "r");
    if (in == NULL)
        return 3;
    FILE* out = fopen(argv[3], "w");
    if (out == NULL)
        return 4;

    char line[255];
    int params = 0, note = 0, finished = 0;
    double length = 0.0, interval = 0.0;
    while (!finished) {
        if (fgets(line, sizeof line, in) == NULL)
            return 5;
        put_line(line, out);
        if (!params) {
            params = strncasecmp(line, "[Params]", 8) == 0;
        } else if (length == 0.0) {
            if (strncasecmp(line, "Length", 6) == 0)
                length = (field(line, 7, 1) * 60 + field(line, 9, 2)) * 60 + field(line, 12, 4);
        } else if (interval == 0.0) {
            if (strncasecmp(line, "Interval", 8) == 0)
                interval = field(line, 9, 250);
        }
        if (!note && strncasecmp(line, "[Note]", 6) == 0) {
            note = 1;
            fprintf(out, "Filtered (mode %d): ", mode);
        }
        finished = strncasecmp(line, "[HRData]", 8) == 0;
    }
    if (interval == 0.0 || length == 0.0)
        return 6;
    int count = (int)(length / interval) + 1;
    if (count < 7)
        return 7;
    double* x = malloc(2 * (size_t)count * sizeof(double));
    if (x == NULL)
        return 8;
    double* y = x + count;
    for (int i = 0; i < count; ++i)
        if (fscanf(in, "%lf", &x[i]) != 1)
            return 9;

    const double* w = weights[mode];
    for (int i = 0; i < 3; ++i) {
        y[i] = x[i];
        y[count - 1 - i] = x[count - 1 - i];
    }
    for (int i = 3; i < count - 3; ++i) {
        double sum = w[6] * x[i + 3] + w[0] * x[i - 3];
        sum += w[2] * x[i - 1];
        sum += w[5] * x[i + 2];
        sum += w[1] * x[i - 2];
        sum += w[4] * x[i + 1];
        sum += w[3] * x[i];
        y[i] = sum;
    }
    for (int i = 0; i < count; ++i)
        fprintf(out, "%d\r\n", (int)(y[i] + 0.5));

    while (fgets(line, sizeof line, in) != NULL)
        put_line(line, out);
    free(x);
    fclose(in);
    fclose(out);
    return 0;
}
